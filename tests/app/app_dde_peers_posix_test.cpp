// Peers of the browser conversation that break its limits or wait for
// ever, and who may serve the program's names: the program stays up, drops
// the peer and keeps its names.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <wx/time.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/stand_ins_posix.h"
#include "support/environment.h"
#include "ui/command_ids.h"
#include "web/browser_dde.h"
#include "web/dde_host.h"
#include "web/dde_instance.h"
#include "web/socket_dde_transport.h"

using namespace quillox;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class QuietPeer : public web::DdeCallbacks {
  public:
    bool OnConnect(const std::string&, const std::string&) override { return true; }
    void OnConnectConfirm(const std::string&, const std::string&,
                          web::DdeConversationHandle) override {}
    std::optional<std::string> OnRequest(web::DdeConversationHandle, const std::string&,
                                         const std::string&) override {
        return "peer";
    }
    bool OnPoke(web::DdeConversationHandle, const std::string&, const std::string&,
                std::string_view) override {
        return false;
    }
    void OnDisconnect(web::DdeConversationHandle) override {}
};

// The newest service name of the program's own.
std::string NewestServiceName() {
    std::string newest;
    for (const auto& entry : fs::directory_iterator(ServiceFolder())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Quillox", 0) == 0 &&
            (name.size() > newest.size() || (name.size() == newest.size() && name > newest))) {
            newest = name;
        }
    }
    return newest;
}

// A peer writing raw bytes to a service of the program.
class RawPeer {
  public:
    explicit RawPeer(const std::string& service) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = SocketOf(service);
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        EXPECT_EQ(connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    ~RawPeer() { close(fd_); }
    RawPeer(const RawPeer&) = delete;
    RawPeer& operator=(const RawPeer&) = delete;

    void Send(const std::string& bytes) {
        EXPECT_EQ(send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    }
    // What the program sent, until it ended the conversation ("ended" then
    // follows) or a second passed.
    std::string Received() {
        std::string bytes;
        WaitFor(
            [&] {
                char chunk[64];
                const ssize_t got = recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
                if (got > 0) {
                    bytes.append(chunk, static_cast<std::size_t>(got));
                }
                if (got == 0) {
                    bytes += "ended";
                }
                return got == 0;
            },
            1000);
        return bytes;
    }

  private:
    int fd_;
};

std::string Length(std::uint32_t length) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((length >> (8 * i)) & 0xFF);
    }
    return bytes;
}

TEST_F(AppTest, PeersBreakingTheLimitsAreDroppedAndTheProgramServesOn) {
    SendCommand(cmd::kGetWebPageMenu);
    const std::string service = NewestServiceName();
    ASSERT_FALSE(service.empty());
    {
        // A poke announcing 4 GiB of data, in 11 bytes after the connect.
        RawPeer peer(service);
        peer.Send("\x0A"s + Length(9) + "WWW_Alert");
        peer.Send("\x03"s + Length(1) + "1\x01"s + Length(0xFFFFFFFF));
        EXPECT_EQ(peer.Received(),
                  "\x0A"
                  "ended");
    }
    {
        // A topic of 512 MiB.
        RawPeer peer(service);
        peer.Send("\x0A"s + Length(512u << 20) + std::string(65536, 'T'));
        EXPECT_EQ(peer.Received(), "ended");
    }
    {
        // A request whose item is over the cap, and a code that is none.
        RawPeer peer(service);
        peer.Send("\x0A"s + Length(9) + "WWW_Alert\x02"s + Length(100000));
        EXPECT_EQ(peer.Received(),
                  "\x0A"
                  "ended");
        RawPeer other(service);
        other.Send("\x2A"s);
        EXPECT_EQ(other.Received(), "ended");
    }
    EXPECT_EQ(CallBack(service, "WWW_Alert"), std::string(4, '\0'));

    // Endless viewer queries leave a few files, and none once the program ends.
    for (int query = 0; query < 100; ++query) {
        ASSERT_EQ(CallBack(service, "WWW_QueryViewer").front(), '"');
    }
    int files = 0;
    for (const auto& entry : fs::directory_iterator(ServiceFolder())) {
        files += entry.path().filename().string().rfind("nstest", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(files, static_cast<int>(web::DdeInstance::kMaxViewerFiles));
}

TEST_F(AppTest, ASilentBrowserIsGivenUpWithinOneTimeLimitForConnectAndRequest) {
    auto& transport = dynamic_cast<web::SocketDdeTransport&>(*wxGetApp().Dde()->Transport());
    transport.SetWaitLimit(std::chrono::milliseconds(600));
    for (const bool answersConnect : {false, true}) {
        SCOPED_TRACE(answersConnect ? "silent after the connect" : "silent from the start");
        SilentBrowser browser(answersConnect);
        const wxLongLong start = wxGetLocalTimeMillis();
        SendCommand(cmd::kGetWebPageMenu);
        const long waited = (wxGetLocalTimeMillis() - start).ToLong();
        EXPECT_TRUE(browser.RequestArrived());
        EXPECT_GE(waited, 550);
        EXPECT_LT(waited, 1100);
    }
    transport.SetWaitLimit(web::SocketDdeTransport::kWaitLimit);
}

TEST_F(AppTest, ServiceNamesAreTheUsersAloneAndStayWithTheProgramServingThem) {
    struct stat status {};
    ASSERT_EQ(lstat(ServiceFolder().c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_uid, geteuid());
    EXPECT_EQ(status.st_mode & 07777, 0700u);

    // With no browser serving "IExplore", asking fails at once.
    const wxLongLong start = wxGetLocalTimeMillis();
    SendCommand(cmd::kGetWebPageMenu);
    EXPECT_LT((wxGetLocalTimeMillis() - start).ToLong(), 1000);
    const std::string newest = NewestServiceName();
    ASSERT_FALSE(newest.empty());
    ASSERT_EQ(lstat(SocketOf(newest).c_str(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 077, 0u);

    // A second program of the same user leaves a live name alone, takes over
    // the socket of one that has ended, and never removes another file.
    QuietPeer peer;
    web::SocketDdeTransport second(ServiceFolder());
    EXPECT_FALSE(second.RegisterService(newest, peer));
    EXPECT_EQ(CallBack(newest, "WWW_Alert"), std::string(4, '\0'));

    const int stale = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string stalePath = SocketOf("Ended");
    std::memcpy(address.sun_path, stalePath.c_str(), stalePath.size() + 1);
    ASSERT_EQ(bind(stale, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(stale);
    EXPECT_TRUE(second.RegisterService("Ended", peer));
    EXPECT_EQ(CallBack("Ended", "WWW_Alert"), "peer");

    std::ofstream(SocketOf("NotASocket")) << "keep";
    EXPECT_FALSE(second.RegisterService("NotASocket", peer));
    EXPECT_EQ(ReadText(SocketOf("NotASocket")), "keep");
    fs::remove(SocketOf("NotASocket"));
    EXPECT_FALSE(second.RegisterService("../escape", peer));
    EXPECT_EQ(second.Connect("Nobody", "WWW_Alert", peer), 0u);

    // A service folder open to other users is refused and left as it is; the
    // program goes on without the conversation.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = runtime;
    const fs::path open = folder_ / "open";
    fs::create_directories(open / "quillox");
    fs::permissions(open / "quillox", fs::perms::owner_all | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read |
                                          fs::perms::others_exec);
    quillox::testing::SetEnvironment("XDG_RUNTIME_DIR", open.string());
    std::string error;
    const std::unique_ptr<web::DdeHost> without = web::DdeHost::Start(error);
    quillox::testing::SetEnvironment("XDG_RUNTIME_DIR", saved);
    EXPECT_NE(error.find("open to other users"), std::string::npos) << error;
    ASSERT_NE(without, nullptr);
    EXPECT_EQ(without->Transport(), nullptr);
    EXPECT_FALSE(without->Instance().CreateObject("IExplore").IsServing());
    EXPECT_EQ(web::BrowserWindowInfo(without->Instance()).url, "");
    EXPECT_EQ(fs::status(open / "quillox").permissions() & fs::perms::all,
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                  fs::perms::others_read | fs::perms::others_exec);
}

}  // namespace
