#include "web/dde_folder.h"
#include "web/service_folder.h"

namespace quillox::web {

// The service names are sockets: in the user's private service folder.
std::optional<std::string> DdeFolder(std::string& error) {
    return PrepareServiceFolder(error);
}

}  // namespace quillox::web
