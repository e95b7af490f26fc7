#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "web/dde_transport.h"

class wxEventLoopSource;

namespace quillox::web {

// Unix: the DDE conversation over one Unix-domain socket per service name in
// the user's private service folder, in the wire format of wxWidgets' IPC
// (ipc_wire.h). Every message is capped before anything is kept of it; a
// peer that breaks a cap or the protocol is dropped. Everything runs on the
// user-interface thread: peers are served from the event loop, and a request
// waits with the event loop running, so that the program's own services
// answer meanwhile.
class SocketDdeTransport final : public DdeTransport {
  public:
    // How long a conversation's connect and request may take together.
    static constexpr std::chrono::milliseconds kWaitLimit{60000};
    // The most conversations peers may hold open with the program at once.
    static constexpr std::size_t kMaxPeers = 64;

    explicit SocketDdeTransport(std::string folder);
    ~SocketDdeTransport() override;
    SocketDdeTransport(const SocketDdeTransport&) = delete;
    SocketDdeTransport& operator=(const SocketDdeTransport&) = delete;

    // Tests wait less.
    void SetWaitLimit(std::chrono::milliseconds limit) { waitLimit_ = limit; }

    // Refused for a name that is already served, here or by another live
    // process: a second Quillox never takes the first one's names.
    bool RegisterService(const std::string& service, DdeCallbacks& callbacks) override;
    void UnregisterService(const std::string& service) override;
    DdeConversationHandle Connect(const std::string& service, const std::string& topic,
                                  DdeCallbacks& callbacks) override;
    std::optional<std::string> Request(DdeConversationHandle conversation,
                                       const std::string& item) override;
    void Disconnect(DdeConversationHandle conversation) override;

    // Conversations that peers hold open with the program now.
    std::size_t PeerCount() const { return peers_.size(); }

  private:
    struct Listener;
    struct Peer;
    struct Client;
    class Watch;

    void Accept(int listening);
    void Serve(int fd);
    // Handles the peer's whole messages; false when the peer is to be dropped.
    bool HandleMessages(Peer& peer);
    void DropPeer(int fd);
    std::optional<std::string> Await(DdeConversationHandle conversation, bool connect);
    void EndClient(DdeConversationHandle conversation, bool tellPeer);

    std::string folder_;
    std::chrono::milliseconds waitLimit_ = kWaitLimit;
    std::map<std::string, std::unique_ptr<Listener>> listeners_;
    std::map<int, std::unique_ptr<Peer>> peers_;
    std::map<DdeConversationHandle, std::unique_ptr<Client>> clients_;
    DdeConversationHandle lastHandle_ = 0;
};

}  // namespace quillox::web
