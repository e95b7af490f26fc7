#include "web/wx_dde_transport.h"

// wx/ipc.h picks DDE by a macro that only wx/defs.h defines.
#include <wx/defs.h>
#include <wx/ipc.h>
#include <wx/log.h>
#include <wx/strconv.h>

#include "store/text_codec.h"

namespace quillox::web {

namespace {

// Items and topics are Windows-1252 bytes to the conversation, Unicode to
// wxWidgets.
wxString ToWx(const std::string& bytes) {
    return wxString::FromUTF8(Cp1252ToUtf8(bytes));
}

std::string FromWx(const wxString& text) {
    return Utf8ToCp1252Replacing(text.utf8_string());
}

}  // namespace

// One conversation, made by a peer's connect to a served name or by
// Connect. It removes itself when the peer ends it; while a request of its
// own waits, it stays until the request returns.
class WxDdeTransport::Link : public wxConnection {
  public:
    Link(WxDdeTransport& owner, DdeCallbacks& callbacks) : owner_(owner), callbacks_(callbacks) {}
    ~Link() override { owner_.Forget(handle_); }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    void SetHandle(DdeConversationHandle handle) { handle_ = handle; }

    std::optional<std::string> Ask(const std::string& item) {
        ++busy_;
        size_t size = 0;
        const void* data = wxConnection::Request(ToWx(item), &size, wxIPC_TEXT);
        std::optional<std::string> reply;
        if (data != nullptr) {
            reply.emplace(static_cast<const char*>(data), size);
        }
        if (--busy_ == 0 && ended_) {
            delete this;
        }
        return reply;
    }

    // This side ends the conversation; the peer is told.
    void End() {
        ended_ = true;
        wxConnection::Disconnect();
        if (busy_ == 0) {
            delete this;
        }
    }

    const void* OnRequest(const wxString& topic, const wxString& item, size_t* size,
                          wxIPCFormat) override {
        std::optional<std::string> reply =
            callbacks_.OnRequest(handle_, FromWx(topic), FromWx(item));
        if (!reply) {
            return nullptr;
        }
        reply_ = std::move(*reply);
        *size = reply_.size();
        return reply_.data();
    }

    bool OnPoke(const wxString& topic, const wxString& item, const void* data, size_t size,
                wxIPCFormat) override {
        const std::string_view bytes(static_cast<const char*>(data), data != nullptr ? size : 0);
        return callbacks_.OnPoke(handle_, FromWx(topic), FromWx(item), bytes);
    }

    // The peer ended the conversation.
    bool OnDisconnect() override {
        const DdeConversationHandle handle = handle_;
        owner_.Forget(handle);
        ended_ = true;
        callbacks_.OnDisconnect(handle);
        if (busy_ == 0) {
            delete this;
        }
        return true;
    }

  private:
    WxDdeTransport& owner_;
    DdeCallbacks& callbacks_;
    DdeConversationHandle handle_ = 0;
    // The last reply stays here until wxWidgets has sent it.
    std::string reply_;
    int busy_ = 0;
    bool ended_ = false;
};

class WxDdeTransport::Server : public wxServer {
  public:
    Server(WxDdeTransport& owner, std::string service, DdeCallbacks& callbacks)
        : owner_(owner), service_(std::move(service)), callbacks_(callbacks) {}

    wxConnectionBase* OnAcceptConnection(const wxString& topic) override {
        const std::string name = FromWx(topic);
        if (!callbacks_.OnConnect(service_, name)) {
            return nullptr;
        }
        auto* link = new Link(owner_, callbacks_);
        callbacks_.OnConnectConfirm(service_, name, owner_.Adopt(*link));
        return link;
    }

  private:
    WxDdeTransport& owner_;
    std::string service_;
    DdeCallbacks& callbacks_;
};

// Makes the client side of conversations. One for the transport's life: on
// Windows a client takes its conversations with it when it goes.
class WxDdeTransport::Dialer : public wxClient {
  public:
    explicit Dialer(WxDdeTransport& owner) : owner_(owner) {}

    Link* Dial(const wxString& address, const wxString& topic, DdeCallbacks& callbacks) {
        callbacks_ = &callbacks;
        wxConnectionBase* made = MakeConnection("localhost", address, topic);
        callbacks_ = nullptr;
        return static_cast<Link*>(made);
    }

    wxConnectionBase* OnMakeConnection() override { return new Link(owner_, *callbacks_); }

  private:
    WxDdeTransport& owner_;
    DdeCallbacks* callbacks_ = nullptr;
};

WxDdeTransport::WxDdeTransport(const std::string&) : dialer_(std::make_unique<Dialer>(*this)) {}

WxDdeTransport::~WxDdeTransport() {
    while (!links_.empty()) {
        Link* ending = links_.begin()->second;
        links_.erase(links_.begin());
        ending->End();
    }
    servers_.clear();
    dialer_.reset();
}

std::optional<std::string> WxDdeTransport::Address(const std::string& service) const {
    return service;
}

bool WxDdeTransport::RegisterService(const std::string& service, DdeCallbacks& callbacks) {
    const std::optional<std::string> address = Address(service);
    if (!address || servers_.count(service) != 0) {
        return false;
    }
    auto server = std::make_unique<Server>(*this, service, callbacks);
    wxLogNull quiet;
    if (!server->Create(wxString(address->c_str(), *wxConvFileName))) {
        return false;
    }
    servers_.emplace(service, std::move(server));
    return true;
}

void WxDdeTransport::UnregisterService(const std::string& service) {
    servers_.erase(service);
}

DdeConversationHandle WxDdeTransport::Connect(const std::string& service, const std::string& topic,
                                              DdeCallbacks& callbacks) {
    const std::optional<std::string> address = Address(service);
    if (!address) {
        return 0;
    }
    wxLogNull quiet;
    Link* link = dialer_->Dial(wxString(address->c_str(), *wxConvFileName), ToWx(topic), callbacks);
    return link != nullptr ? Adopt(*link) : 0;
}

std::optional<std::string> WxDdeTransport::Request(DdeConversationHandle conversation,
                                                   const std::string& item) {
    const auto link = links_.find(conversation);
    if (link == links_.end()) {
        return std::nullopt;
    }
    wxLogNull quiet;
    return link->second->Ask(item);
}

void WxDdeTransport::Disconnect(DdeConversationHandle conversation) {
    const auto link = links_.find(conversation);
    if (link == links_.end()) {
        return;
    }
    Link* ending = link->second;
    links_.erase(link);
    ending->End();
}

DdeConversationHandle WxDdeTransport::Adopt(Link& link) {
    link.SetHandle(++lastHandle_);
    links_[lastHandle_] = &link;
    return lastHandle_;
}

void WxDdeTransport::Forget(DdeConversationHandle conversation) {
    links_.erase(conversation);
}

}  // namespace quillox::web
