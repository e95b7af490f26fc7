#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What carries the DDE conversation: the real DDE on Windows, local sockets
// elsewhere, an in-process fake in the tests. The conversation logic above it
// only names services and topics and passes argument lists and reply data.
namespace quillox::web {

// Names one conversation, on either side; 0 names none. A transport never
// gives the same handle to two conversations of the process.
using DdeConversationHandle = std::uint64_t;

// The transactions a served service receives, one per call.
class DdeCallbacks {
  public:
    virtual ~DdeCallbacks() = default;
    // A peer asks for a conversation with service on topic: true accepts it.
    virtual bool OnConnect(const std::string& service, const std::string& topic) = 0;
    // The accepted conversation exists now, named conversation.
    virtual void OnConnectConfirm(const std::string& service, const std::string& topic,
                                  DdeConversationHandle conversation) = 0;
    // A request with an argument list as item: the reply data, or nothing.
    virtual std::optional<std::string> OnRequest(DdeConversationHandle conversation,
                                                 const std::string& topic,
                                                 const std::string& item) = 0;
    // A poke: true acknowledges it.
    virtual bool OnPoke(DdeConversationHandle conversation, const std::string& topic,
                        const std::string& item, std::string_view data) = 0;
    // The peer ended the conversation.
    virtual void OnDisconnect(DdeConversationHandle conversation) = 0;
};

class DdeTransport {
  public:
    virtual ~DdeTransport() = default;
    // Offers service to peers until it is withdrawn; its transactions go to
    // callbacks. False when the service cannot be offered.
    virtual bool RegisterService(const std::string& service, DdeCallbacks& callbacks) = 0;
    virtual void UnregisterService(const std::string& service) = 0;
    // A conversation with whoever serves service, on topic; 0 when no one
    // does or the offer is refused. Fails at once when no one serves it.
    // callbacks hears when the peer ends the conversation.
    virtual DdeConversationHandle Connect(const std::string& service, const std::string& topic,
                                          DdeCallbacks& callbacks) = 0;
    // A synchronous request with item: the reply data, or nothing when it
    // fails, is refused or times out. Callbacks of this process's services
    // may run while it waits.
    virtual std::optional<std::string> Request(DdeConversationHandle conversation,
                                               const std::string& item) = 0;
    // Ends a conversation of either side; the peer is told, this side's
    // callbacks are not.
    virtual void Disconnect(DdeConversationHandle conversation) = 0;
};

}  // namespace quillox::web
