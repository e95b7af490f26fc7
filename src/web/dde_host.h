#pragma once

#include <memory>
#include <string>

#include "web/dde_instance.h"
#include "web/wx_dde_transport.h"

namespace quillox::web {

// The process's DDE instance over wxWidgets IPC, made at start-up and kept
// until exit. On Unix its service names are sockets in the user's private
// service folder, which also receives the files made for the browser's
// viewer queries; on Windows those go to the temporary folder.
class DdeHost {
  public:
    // Nothing, with error saying why, when the service folder cannot be made
    // the user's own.
    static std::unique_ptr<DdeHost> Start(std::string& error);

    DdeInstance& Instance() { return instance_; }
    WxDdeTransport& Transport() { return transport_; }

  private:
    explicit DdeHost(std::string folder)
        : folder_(std::move(folder)), transport_(folder_), instance_(transport_, folder_) {}

    std::string folder_;
    // Declared before the instance, which ends its conversations through it.
    WxDdeTransport transport_;
    DdeInstance instance_;
};

}  // namespace quillox::web
