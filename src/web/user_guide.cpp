#include "web/user_guide.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "version/version_info.h"

namespace quillox::web {

std::vector<std::string> UserGuideCandidates() {
    const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    wxFileName guide(program.GetPath(wxPATH_GET_SEPARATOR) +
                     wxString::FromUTF8(version::kUserGuideFromProgram));
    guide.Normalize(wxPATH_NORM_DOTS | wxPATH_NORM_ABSOLUTE);
    return {guide.GetFullPath().utf8_string(), QUILLOX_SOURCE_USER_GUIDE};
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
