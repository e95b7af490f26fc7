#include "web/dde_instance.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "web/dde_server_replies.h"
#include "web/viewer_file.h"

namespace quillox::web {

DdeInstance::DdeInstance(DdeTransport& transport, std::string viewerFolder)
    : transport_(transport), viewerFolder_(std::move(viewerFolder)) {}

DdeInstance::~DdeInstance() {
    std::vector<CDDEConversation> open;
    open.swap(conversations_);
    for (const CDDEConversation& conversation : open) {
        transport_.Disconnect(conversation.conversation);
    }
    for (const auto& object : objects_) {
        if (object->serving_) {
            transport_.UnregisterService(object->serviceName_);
        }
    }
    for (const std::string& file : viewerFiles_) {
        std::remove(file.c_str());
    }
}

CDDEObject& DdeInstance::CreateObject(const std::string& browserService) {
    ++serviceCounter_;
    objects_.push_back(std::unique_ptr<CDDEObject>(
        new CDDEObject(*this, "Quillox" + std::to_string(serviceCounter_))));
    if (objects_.size() == 1) {
        browserService_ = browserService;
    }
    CDDEObject& object = *objects_.back();
    object.serving_ = transport_.RegisterService(object.serviceName_, *this);
    return object;
}

namespace {

// Tells the observer of a request's wait, from its connect to its reply.
class WaitNotice {
  public:
    WaitNotice(DdeWaitObserver* observer, int& waiting) : observer_(observer), waiting_(waiting) {
        if (waiting_++ == 0 && observer_ != nullptr) {
            observer_->OnWaitStarted();
        }
    }
    ~WaitNotice() {
        if (--waiting_ == 0 && observer_ != nullptr) {
            observer_->OnWaitEnded();
        }
    }
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

  private:
    DdeWaitObserver* observer_;
    int& waiting_;
};

}  // namespace

DdeValues DdeInstance::Request(CDDEObject& object, DdeTopic topic, std::string_view format,
                               const DdeValues& arguments, std::string_view replyFormat) {
    std::optional<std::string> reply;
    {
        const WaitNotice notice(waitObserver_, waiting_);
        const DdeConversationHandle conversation =
            transport_.Connect(browserService_, std::string(DdeTopicName(topic)), *this);
        if (conversation == 0) {
            return {};
        }
        AddConversation(object, conversation);
        reply = transport_.Request(conversation, EncodeDdeArguments(format, arguments));
        // The browser may have ended the conversation while the request waited.
        if (IsOpen(conversation)) {
            transport_.Disconnect(conversation);
            RemoveConversation(conversation);
        }
    }
    if (!reply) {
        return {};
    }
    return DecodeDdeReply(replyFormat, *reply);
}

bool DdeInstance::OnConnect(const std::string& service, const std::string&) {
    return FindObject(service) != nullptr;
}

void DdeInstance::OnConnectConfirm(const std::string& service, const std::string&,
                                   DdeConversationHandle conversation) {
    if (CDDEObject* object = FindObject(service)) {
        AddConversation(*object, conversation);
    }
}

std::optional<std::string> DdeInstance::OnRequest(DdeConversationHandle conversation,
                                                  const std::string& topic, const std::string&) {
    if (!IsOpen(conversation)) {
        return std::nullopt;
    }
    return DdeRequestReply(FindDdeTopic(topic), static_cast<std::uint32_t>(std::time(nullptr)),
                           [this] { return MakeViewerFile(); });
}

bool DdeInstance::OnPoke(DdeConversationHandle conversation, const std::string& topic,
                         const std::string&, std::string_view) {
    return IsOpen(conversation) && DdePokeAcknowledged(FindDdeTopic(topic));
}

void DdeInstance::OnDisconnect(DdeConversationHandle conversation) {
    RemoveConversation(conversation);
}

CDDEObject* DdeInstance::FindObject(const std::string& service) const {
    for (const auto& object : objects_) {
        if (object->serviceName_ == service) {
            return object.get();
        }
    }
    return nullptr;
}

bool DdeInstance::IsOpen(DdeConversationHandle conversation) const {
    return std::any_of(
        conversations_.begin(), conversations_.end(),
        [conversation](const CDDEConversation& open) { return open.conversation == conversation; });
}

void DdeInstance::AddConversation(CDDEObject& owner, DdeConversationHandle conversation) {
    conversations_.push_back({conversation, &owner});
    owner.conversations_.push_back(conversation);
}

void DdeInstance::RemoveConversation(DdeConversationHandle conversation) {
    const auto open = std::find_if(conversations_.begin(), conversations_.end(),
                                   [conversation](const CDDEConversation& candidate) {
                                       return candidate.conversation == conversation;
                                   });
    if (open == conversations_.end()) {
        return;
    }
    std::vector<DdeConversationHandle>& owned = open->owner->conversations_;
    owned.erase(std::remove(owned.begin(), owned.end(), conversation), owned.end());
    conversations_.erase(open);
}

std::optional<std::string> DdeInstance::MakeViewerFile() {
    // A browser asks once per download; a peer asking without end leaves no
    // more than the cap behind.
    if (viewerFiles_.size() >= kMaxViewerFiles) {
        std::remove(viewerFiles_.front().c_str());
        viewerFiles_.erase(viewerFiles_.begin());
    }
    std::optional<std::string> file = CreateViewerFile(viewerFolder_);
    if (file) {
        viewerFiles_.push_back(*file);
    }
    return file;
}

}  // namespace quillox::web
