#pragma once

#include <map>
#include <memory>
#include <string>

#include "web/dde_transport.h"

namespace quillox::web {

// Windows: the DDE conversation over wxWidgets' DDE classes. Items travel as
// text, reply data as bytes. Everything runs on the user-interface thread; a
// request waits with the messages pumped, so that the program's own services
// answer meanwhile.
class WxDdeTransport final : public DdeTransport {
  public:
    // folder is unused: DDE names need no folder.
    explicit WxDdeTransport(const std::string& folder);
    ~WxDdeTransport() override;
    WxDdeTransport(const WxDdeTransport&) = delete;
    WxDdeTransport& operator=(const WxDdeTransport&) = delete;

    // Refused for a name that is already served, here or by another live
    // process: a second Quillox never takes the first one's names.
    bool RegisterService(const std::string& service, DdeCallbacks& callbacks) override;
    void UnregisterService(const std::string& service) override;
    DdeConversationHandle Connect(const std::string& service, const std::string& topic,
                                  DdeCallbacks& callbacks) override;
    std::optional<std::string> Request(DdeConversationHandle conversation,
                                       const std::string& item) override;
    void Disconnect(DdeConversationHandle conversation) override;

  private:
    class Link;
    class Server;
    class Dialer;

    // Where service is offered: its socket, or on Windows its name.
    std::optional<std::string> Address(const std::string& service) const;
    DdeConversationHandle Adopt(Link& link);
    void Forget(DdeConversationHandle conversation);

    std::map<std::string, std::unique_ptr<Server>> servers_;
    std::map<DdeConversationHandle, Link*> links_;
    std::unique_ptr<Dialer> dialer_;
    DdeConversationHandle lastHandle_ = 0;
};

}  // namespace quillox::web
