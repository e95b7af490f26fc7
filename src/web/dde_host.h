#pragma once

#include <memory>
#include <string>

#include "web/dde_instance.h"

namespace quillox::web {

// The process's DDE instance, made at start-up and kept
// until exit. On Unix its service names are sockets in the user's private
// service folder, which also receives the files made for the browser's
// viewer queries; on Windows those go to the temporary folder.
class DdeHost {
  public:
    // The conversation, or, with error saying why, a host without one when
    // the service folder cannot be made the user's own: the program then
    // serves no names and no browser ever answers it.
    static std::unique_ptr<DdeHost> Start(std::string& error);
    ~DdeHost();
    DdeHost(const DdeHost&) = delete;
    DdeHost& operator=(const DdeHost&) = delete;

    DdeInstance& Instance() { return *instance_; }
    // The system's transport (DDE itself on Windows, local sockets
    // elsewhere); nothing without the conversation.
    DdeTransport* Transport();

  private:
    DdeHost(std::unique_ptr<DdeTransport> transport, std::string folder);

    std::string folder_;
    // Made before the instance, which ends its conversations through it.
    std::unique_ptr<DdeTransport> transport_;
    std::unique_ptr<DdeInstance> instance_;
};

}  // namespace quillox::web
