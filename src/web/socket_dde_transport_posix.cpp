#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/evtloopsrc.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "store/text_codec.h"
#include "web/ipc_wire.h"
#include "web/service_folder.h"
#include "web/socket_dde_transport.h"

namespace quillox::web {

namespace {

using Clock = std::chrono::steady_clock;

// Topics and items are Windows-1252 to the conversation, UTF-8 on the wire.
std::string ToWire(const std::string& bytes) {
    return Cp1252ToUtf8(bytes);
}

std::string FromWire(const std::string& utf8) {
    return Utf8ToCp1252Replacing(utf8);
}

bool AddressOf(const std::string& path, sockaddr_un& address) {
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Whether a socket for a service may be made at path: nothing is there, or
// only the socket of a server that has ended. A live server keeps its name.
bool SocketPathIsFree(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    sockaddr_un address{};
    if (!S_ISSOCK(status.st_mode) || !AddressOf(path, address)) {
        return false;
    }
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) {
        return false;
    }
    const bool live =
        connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const int error = errno;
    close(probe);
    return !live && error == ECONNREFUSED;
}

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

// Sends all of bytes by deadline; false when the peer is gone or too slow.
bool SendAll(int fd, const std::string& bytes, Clock::time_point deadline) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t done =
            send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (done > 0) {
            sent += static_cast<std::size_t>(done);
            continue;
        }
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            return false;
        }
        pollfd writable{fd, POLLOUT, 0};
        if (poll(&writable, 1, MillisecondsUntil(deadline)) <= 0) {
            return false;
        }
    }
    return true;
}

// Appends what fd holds now, at most limit bytes: false at its end or on an
// error.
bool ReadAvailable(int fd, std::string& buffer, std::size_t limit) {
    char chunk[4096];
    std::size_t taken = 0;
    while (taken < limit) {
        const ssize_t got = recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (got > 0) {
            buffer.append(chunk, static_cast<std::size_t>(got));
            taken += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
    return true;
}

// Lets the windows and the program's own services run while a request waits.
void RunEventLoopOnce() {
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
        while (loop->Pending()) {
            loop->Dispatch();
        }
    }
    if (wxTheApp != nullptr) {
        wxTheApp->ProcessPendingEvents();
    }
}

// How long one served reply may take to go out before its peer is dropped.
constexpr std::chrono::milliseconds kReplyLimit{1000};
// The most bytes taken from one peer before the others have their turn.
constexpr std::size_t kReadTurn = 64 * 1024;

}  // namespace

// Tells the transport when a socket it serves can be read.
class SocketDdeTransport::Watch : public wxEventLoopSourceHandler {
  public:
    Watch(SocketDdeTransport& owner, int fd, bool listening)
        : owner_(owner), fd_(fd), listening_(listening) {}
    void OnReadWaiting() override { Ready(); }
    void OnWriteWaiting() override {}
    void OnExceptionWaiting() override { Ready(); }

  private:
    void Ready() {
        if (listening_) {
            owner_.Accept(fd_);
        } else {
            owner_.Serve(fd_);
        }
    }

    SocketDdeTransport& owner_;
    int fd_;
    bool listening_;
};

struct SocketDdeTransport::Listener {
    int fd = -1;
    std::string path;
    std::string service;
    DdeCallbacks* callbacks = nullptr;
    std::unique_ptr<Watch> watch;
    std::unique_ptr<wxEventLoopSource> source;

    ~Listener() {
        source.reset();
        close(fd);
        unlink(path.c_str());
    }
};

// A conversation a peer opened to one of the program's services.
struct SocketDdeTransport::Peer {
    int fd = -1;
    std::string service;
    std::string topic;
    DdeCallbacks* callbacks = nullptr;
    DdeConversationHandle handle = 0;  // 0 until the connect is accepted
    std::string received;
    std::unique_ptr<Watch> watch;
    std::unique_ptr<wxEventLoopSource> source;

    ~Peer() {
        source.reset();
        close(fd);
    }
};

// A conversation of the program's own with a peer's service.
struct SocketDdeTransport::Client {
    int fd = -1;
    DdeCallbacks* callbacks = nullptr;
    // Connect and request share one time limit.
    Clock::time_point deadline;
    std::string received;

    ~Client() { close(fd); }
};

SocketDdeTransport::SocketDdeTransport(std::string folder) : folder_(std::move(folder)) {}

SocketDdeTransport::~SocketDdeTransport() {
    while (!clients_.empty()) {
        EndClient(clients_.begin()->first, true);
    }
    for (auto& [fd, peer] : peers_) {
        SendAll(fd, ipc::CodeMessage(ipc::kDisconnect), Clock::now());
    }
    peers_.clear();
    listeners_.clear();
}

bool SocketDdeTransport::RegisterService(const std::string& service, DdeCallbacks& callbacks) {
    const std::optional<std::string> path = ServiceSocketPath(folder_, service);
    sockaddr_un address{};
    if (!path || listeners_.count(service) != 0 || !SocketPathIsFree(*path) ||
        !AddressOf(*path, address)) {
        return false;
    }
    // The socket of a server that has ended.
    unlink(path->c_str());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return false;
    }
    const mode_t mask = umask(077);
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    umask(mask);
    if (!bound || listen(fd, 16) != 0) {
        close(fd);
        if (bound) {
            unlink(path->c_str());
        }
        return false;
    }
    auto listener = std::make_unique<Listener>();
    listener->fd = fd;
    listener->path = *path;
    listener->service = service;
    listener->callbacks = &callbacks;
    listener->watch = std::make_unique<Watch>(*this, fd, true);
    listener->source.reset(wxEventLoopBase::AddSourceForFD(
        fd, listener->watch.get(), wxEVENT_SOURCE_INPUT | wxEVENT_SOURCE_EXCEPTION));
    listeners_.emplace(service, std::move(listener));
    return true;
}

void SocketDdeTransport::UnregisterService(const std::string& service) {
    listeners_.erase(service);
}

void SocketDdeTransport::Accept(int listening) {
    const Listener* listener = nullptr;
    for (const auto& [service, candidate] : listeners_) {
        if (candidate->fd == listening) {
            listener = candidate.get();
        }
    }
    if (listener == nullptr) {
        return;
    }
    for (;;) {
        const int fd = accept4(listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            return;
        }
        if (peers_.size() >= kMaxPeers) {
            close(fd);
            continue;
        }
        auto peer = std::make_unique<Peer>();
        peer->fd = fd;
        peer->service = listener->service;
        peer->callbacks = listener->callbacks;
        peer->watch = std::make_unique<Watch>(*this, fd, false);
        peer->source.reset(wxEventLoopBase::AddSourceForFD(
            fd, peer->watch.get(), wxEVENT_SOURCE_INPUT | wxEVENT_SOURCE_EXCEPTION));
        peers_.emplace(fd, std::move(peer));
    }
}

void SocketDdeTransport::Serve(int fd) {
    const auto found = peers_.find(fd);
    if (found == peers_.end()) {
        return;
    }
    Peer& peer = *found->second;
    const bool open = ReadAvailable(fd, peer.received, kReadTurn);
    if (!HandleMessages(peer) || !open) {
        DropPeer(fd);
    }
}

bool SocketDdeTransport::HandleMessages(Peer& peer) {
    const int fd = peer.fd;
    for (;;) {
        // A callback may have ended the program's side meanwhile.
        const auto found = peers_.find(fd);
        if (found == peers_.end() || found->second.get() != &peer) {
            return true;
        }
        ipc::Message message;
        std::size_t consumed = 0;
        const ipc::Parsed parsed = ipc::Parse(peer.received, true, message, consumed);
        if (parsed == ipc::Parsed::kIncomplete) {
            return true;
        }
        if (parsed == ipc::Parsed::kRefused) {
            return false;
        }
        peer.received.erase(0, consumed);
        const Clock::time_point replyBy = Clock::now() + kReplyLimit;
        if (peer.handle == 0) {
            if (message.code != ipc::kConnect) {
                return false;
            }
            peer.topic = FromWire(message.text);
            if (!peer.callbacks->OnConnect(peer.service, peer.topic)) {
                SendAll(fd, ipc::CodeMessage(ipc::kFail), replyBy);
                return false;
            }
            if (!SendAll(fd, ipc::CodeMessage(ipc::kConnect), replyBy)) {
                return false;
            }
            peer.handle = ++lastHandle_;
            peer.callbacks->OnConnectConfirm(peer.service, peer.topic, peer.handle);
            continue;
        }
        switch (message.code) {
            case ipc::kRequest: {
                const std::optional<std::string> reply =
                    peer.callbacks->OnRequest(peer.handle, peer.topic, FromWire(message.text));
                const std::string answer = reply && reply->size() <= ipc::kMaxPart
                                               ? ipc::ReplyMessage(*reply)
                                               : ipc::CodeMessage(ipc::kFail);
                if (!SendAll(fd, answer, replyBy)) {
                    return false;
                }
                break;
            }
            case ipc::kPoke:
                peer.callbacks->OnPoke(peer.handle, peer.topic, FromWire(message.text),
                                       message.data);
                break;
            case ipc::kExecute:
            case ipc::kAdvise:
                break;
            case ipc::kDisconnect:
                return false;
            default:
                if (!SendAll(fd, ipc::CodeMessage(ipc::kFail), replyBy)) {
                    return false;
                }
                break;
        }
    }
}

void SocketDdeTransport::DropPeer(int fd) {
    const auto found = peers_.find(fd);
    if (found == peers_.end()) {
        return;
    }
    std::unique_ptr<Peer> peer = std::move(found->second);
    peers_.erase(found);
    if (peer->handle != 0) {
        peer->callbacks->OnDisconnect(peer->handle);
    }
}

DdeConversationHandle SocketDdeTransport::Connect(const std::string& service,
                                                  const std::string& topic,
                                                  DdeCallbacks& callbacks) {
    const std::optional<std::string> path = ServiceSocketPath(folder_, service);
    sockaddr_un address{};
    if (!path || !AddressOf(*path, address)) {
        return 0;
    }
    auto client = std::make_unique<Client>();
    client->fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    client->callbacks = &callbacks;
    client->deadline = Clock::now() + waitLimit_;
    if (client->fd < 0 ||
        connect(client->fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        !SendAll(client->fd, ipc::ConnectMessage(ToWire(topic)), client->deadline)) {
        return 0;
    }
    const DdeConversationHandle handle = ++lastHandle_;
    clients_.emplace(handle, std::move(client));
    if (!Await(handle, true)) {
        EndClient(handle, false);
        return 0;
    }
    return handle;
}

std::optional<std::string> SocketDdeTransport::Request(DdeConversationHandle conversation,
                                                       const std::string& item) {
    const auto found = clients_.find(conversation);
    if (found == clients_.end()) {
        return std::nullopt;
    }
    const std::string wire = ToWire(item);
    if (wire.size() > ipc::kMaxPart ||
        !SendAll(found->second->fd, ipc::RequestMessage(wire), found->second->deadline)) {
        return std::nullopt;
    }
    return Await(conversation, false);
}

std::optional<std::string> SocketDdeTransport::Await(DdeConversationHandle conversation,
                                                     bool connect) {
    // Before the program's own loop runs, at start-up, one of the wait's own.
    const wxEventLoopGuarantor loop;
    for (;;) {
        // The conversation may have ended while the windows ran.
        const auto found = clients_.find(conversation);
        if (found == clients_.end()) {
            return std::nullopt;
        }
        Client& client = *found->second;
        ipc::Message message;
        std::size_t consumed = 0;
        const ipc::Parsed parsed = ipc::Parse(client.received, false, message, consumed);
        if (parsed == ipc::Parsed::kComplete) {
            client.received.erase(0, consumed);
            if (connect && message.code == ipc::kConnect) {
                return std::string();
            }
            if (!connect && message.code == ipc::kRequestReply) {
                return message.data;
            }
            if (message.code == ipc::kDisconnect) {
                DdeCallbacks* callbacks = client.callbacks;
                EndClient(conversation, false);
                callbacks->OnDisconnect(conversation);
            }
            return std::nullopt;
        }
        if (parsed == ipc::Parsed::kRefused || Clock::now() >= client.deadline) {
            return std::nullopt;
        }
        pollfd readable{client.fd, POLLIN, 0};
        const int ready = poll(&readable, 1, std::min(MillisecondsUntil(client.deadline), 20));
        if (ready > 0 && !ReadAvailable(client.fd, client.received, ipc::kMaxPart * 2 + 16)) {
            // The peer is gone; what it sent before may still be whole.
            ipc::Message last;
            if (ipc::Parse(client.received, false, last, consumed) != ipc::Parsed::kComplete) {
                return std::nullopt;
            }
        }
        RunEventLoopOnce();
    }
}

void SocketDdeTransport::Disconnect(DdeConversationHandle conversation) {
    if (clients_.count(conversation) != 0) {
        EndClient(conversation, true);
        return;
    }
    for (auto& [fd, peer] : peers_) {
        if (peer->handle == conversation) {
            SendAll(fd, ipc::CodeMessage(ipc::kDisconnect), Clock::now());
            peers_.erase(fd);
            return;
        }
    }
}

void SocketDdeTransport::EndClient(DdeConversationHandle conversation, bool tellPeer) {
    const auto found = clients_.find(conversation);
    if (found == clients_.end()) {
        return;
    }
    if (tellPeer) {
        SendAll(found->second->fd, ipc::CodeMessage(ipc::kDisconnect), Clock::now());
    }
    clients_.erase(found);
}

}  // namespace quillox::web
