#include "web/dde_host.h"

#if defined(_WIN32)
#include <wx/filename.h>
#else
#include "web/service_folder.h"
#endif

namespace quillox::web {

std::unique_ptr<DdeHost> DdeHost::Start(std::string& error) {
#if defined(_WIN32)
    std::string folder(wxFileName::GetTempDir().mb_str());
    if (folder.empty()) {
        error = "There is no temporary folder.";
        return nullptr;
    }
#else
    std::optional<std::string> prepared = PrepareServiceFolder(error);
    if (!prepared) {
        return nullptr;
    }
    std::string folder = std::move(*prepared);
#endif
    return std::unique_ptr<DdeHost>(new DdeHost(std::move(folder)));
}

}  // namespace quillox::web
