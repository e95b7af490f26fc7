#include "web/fake_dde_transport.h"

#include <algorithm>

namespace quillox::web {

bool FakeDdeTransport::RegisterService(const std::string& service, DdeCallbacks& callbacks) {
    if (refuseServices) {
        return false;
    }
    services_[service] = &callbacks;
    return true;
}

void FakeDdeTransport::UnregisterService(const std::string& service) {
    services_.erase(service);
}

DdeConversationHandle FakeDdeTransport::Connect(const std::string& service,
                                                const std::string& topic, DdeCallbacks& callbacks) {
    ++connectAttempts;
    const auto served = services_.find(service);
    if (served == services_.end() || !served->second->OnConnect(service, topic)) {
        return 0;
    }
    Conversation conversation{nextHandle_, nextHandle_ + 1, topic, &callbacks, served->second};
    nextHandle_ += 2;
    conversations_.push_back(conversation);
    served->second->OnConnectConfirm(service, topic, conversation.server);
    return conversation.client;
}

const FakeDdeTransport::Conversation* FakeDdeTransport::FindByClient(
    DdeConversationHandle client) const {
    for (const Conversation& conversation : conversations_) {
        if (conversation.client == client) {
            return &conversation;
        }
    }
    return nullptr;
}

std::optional<std::string> FakeDdeTransport::Request(DdeConversationHandle conversation,
                                                     const std::string& item) {
    const Conversation* open = FindByClient(conversation);
    if (open == nullptr) {
        return std::nullopt;
    }
    // Copied: the server may end the conversation while it answers.
    const Conversation copy = *open;
    return copy.serverSide->OnRequest(copy.server, copy.topic, item);
}

bool FakeDdeTransport::Poke(DdeConversationHandle conversation, const std::string& item,
                            const std::string& data) {
    const Conversation* open = FindByClient(conversation);
    return open != nullptr && open->serverSide->OnPoke(open->server, open->topic, item, data);
}

DdeConversationHandle FakeDdeTransport::ServerHandle(DdeConversationHandle client) const {
    const Conversation* open = FindByClient(client);
    return open != nullptr ? open->server : 0;
}

void FakeDdeTransport::Disconnect(DdeConversationHandle conversation) {
    const auto open = std::find_if(conversations_.begin(), conversations_.end(),
                                   [conversation](const Conversation& candidate) {
                                       return candidate.client == conversation ||
                                              candidate.server == conversation;
                                   });
    if (open == conversations_.end()) {
        ++strayDisconnects;
        return;
    }
    const Conversation ended = *open;
    conversations_.erase(open);
    if (ended.client == conversation) {
        ended.serverSide->OnDisconnect(ended.server);
    } else {
        ended.clientSide->OnDisconnect(ended.client);
    }
}

std::vector<std::string> FakeDdeTransport::Services() const {
    std::vector<std::string> names;
    for (const auto& [name, callbacks] : services_) {
        names.push_back(name);
    }
    return names;
}

}  // namespace quillox::web
