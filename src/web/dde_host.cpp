#include "web/dde_host.h"

#include "web/dde_folder.h"

namespace quillox::web {

namespace {

// Stands in when the conversation cannot start: offers nothing and reaches
// no one, as when no browser runs.
class NoDdeTransport final : public DdeTransport {
  public:
    bool RegisterService(const std::string&, DdeCallbacks&) override { return false; }
    void UnregisterService(const std::string&) override {}
    DdeConversationHandle Connect(const std::string&, const std::string&, DdeCallbacks&) override {
        return 0;
    }
    std::optional<std::string> Request(DdeConversationHandle, const std::string&) override {
        return std::nullopt;
    }
    void Disconnect(DdeConversationHandle) override {}
};

}  // namespace

DdeHost::DdeHost(std::unique_ptr<DdeTransport> transport, std::string folder)
    : folder_(std::move(folder)),
      transport_(std::move(transport)),
      instance_(std::make_unique<DdeInstance>(*transport_, folder_)) {}

DdeTransport* DdeHost::Transport() {
    return dynamic_cast<NoDdeTransport*>(transport_.get()) != nullptr ? nullptr : transport_.get();
}

DdeHost::~DdeHost() {
    instance_.reset();
    transport_.reset();
}

std::unique_ptr<DdeHost> DdeHost::Start(std::string& error) {
    std::optional<std::string> folder = DdeFolder(error);
    if (!folder) {
        return std::unique_ptr<DdeHost>(new DdeHost(std::make_unique<NoDdeTransport>(), ""));
    }
    std::unique_ptr<DdeTransport> transport = MakePlatformDdeTransport(*folder);
    return std::unique_ptr<DdeHost>(new DdeHost(std::move(transport), std::move(*folder)));
}

}  // namespace quillox::web
