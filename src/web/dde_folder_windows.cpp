#include <wx/filename.h>

#include "web/dde_folder.h"

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

}  // namespace quillox::web
