#include <wx/filename.h>

#include "web/dde_folder.h"
#include "web/wx_dde_transport.h"

namespace quillox::web {

// DDE names need no folder; the viewer's files go to the user's own
// temporary folder.
std::optional<std::string> DdeFolder(std::string& error) {
    const std::string folder = wxFileName::GetTempDir().utf8_string();
    if (folder.empty()) {
        error = "There is no temporary folder.";
        return std::nullopt;
    }
    return folder;
}

std::unique_ptr<DdeTransport> MakePlatformDdeTransport(const std::string& folder) {
    return std::make_unique<WxDdeTransport>(folder);
}

}  // namespace quillox::web
