#include "web/user_guide.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace quillox::web {

std::vector<std::string> UserGuideCandidates() {
    wxFileName installed(wxStandardPaths::Get().GetExecutablePath());
    installed.RemoveLastDir();
    installed.AppendDir("share");
    installed.AppendDir("doc");
    installed.AppendDir("quillox");
    installed.SetFullName("user-guide.html");
    return {installed.GetFullPath().utf8_string(), QUILLOX_BUILT_USER_GUIDE,
            QUILLOX_SOURCE_USER_GUIDE};
}

std::optional<std::string> UserGuideAddress(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        const wxString path = wxString::FromUTF8(candidate);
        if (wxFileName::FileExists(path)) {
            return wxFileName::FileNameToURL(wxFileName(path)).utf8_string();
        }
    }
    return std::nullopt;
}

}  // namespace quillox::web
