#include "web/dde_folder.h"
#include "web/service_folder.h"
#include "web/socket_dde_transport.h"

namespace quillox::web {

// The service names are sockets: in the user's private service folder.
std::optional<std::string> DdeFolder(std::string& error) {
    return PrepareServiceFolder(error);
}

std::unique_ptr<DdeTransport> MakePlatformDdeTransport(const std::string& folder) {
    return std::make_unique<SocketDdeTransport>(folder);
}

}  // namespace quillox::web
