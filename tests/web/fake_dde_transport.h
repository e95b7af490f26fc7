#pragma once

#include <map>
#include <string>
#include <vector>

#include "web/dde_transport.h"

namespace quillox::web {

// An in-process transport: connects straight to the callbacks registered
// under a service name and runs every transaction synchronously, so that a
// peer's callbacks run inside the request that caused them, as they may over
// a real transport.
class FakeDdeTransport : public DdeTransport {
  public:
    bool RegisterService(const std::string& service, DdeCallbacks& callbacks) override;
    void UnregisterService(const std::string& service) override;
    DdeConversationHandle Connect(const std::string& service, const std::string& topic,
                                  DdeCallbacks& callbacks) override;
    std::optional<std::string> Request(DdeConversationHandle conversation,
                                       const std::string& item) override;
    void Disconnect(DdeConversationHandle conversation) override;

    // A client's poke on one of its conversations: the server's acknowledgement.
    bool Poke(DdeConversationHandle conversation, const std::string& item, const std::string& data);
    // The server-side handle of a client's conversation.
    DdeConversationHandle ServerHandle(DdeConversationHandle client) const;

    std::vector<std::string> Services() const;
    int connectAttempts = 0;
    // Disconnects of handles that were not open: a conversation ended twice.
    int strayDisconnects = 0;
    bool refuseServices = false;

  private:
    struct Conversation {
        DdeConversationHandle client = 0;
        DdeConversationHandle server = 0;
        std::string topic;
        DdeCallbacks* clientSide = nullptr;
        DdeCallbacks* serverSide = nullptr;
    };
    const Conversation* FindByClient(DdeConversationHandle client) const;

    std::map<std::string, DdeCallbacks*> services_;
    std::vector<Conversation> conversations_;
    DdeConversationHandle nextHandle_ = 100;
};

}  // namespace quillox::web
