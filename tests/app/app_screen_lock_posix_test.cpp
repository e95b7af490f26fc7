// The session's screen lock, heard on a D-Bus session bus of the test's own.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/screen_lock.h"
#include "ui/gui_test_support.h"

using namespace quillox;

namespace {

// A session bus of the test's own, ended with the test.
class PrivateBus {
  public:
    PrivateBus() {
        if (FILE* pipe =
                popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r")) {
            char line[512];
            if (fgets(line, sizeof line, pipe) != nullptr) {
                address = std::string(line).substr(0, std::string(line).find('\n'));
            }
            if (fgets(line, sizeof line, pipe) != nullptr) {
                pid_ = std::atoi(line);
            }
            pclose(pipe);
        }
    }
    ~PrivateBus() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
        }
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Emits the screen saver's ActiveChanged with active ("true"/"false").
    bool ScreenSaverActive(const std::string& active) const {
        const std::string command =
            "DBUS_SESSION_BUS_ADDRESS='" + address +
            "' gdbus emit --session --object-path /org/freedesktop/ScreenSaver --signal "
            "org.freedesktop.ScreenSaver.ActiveChanged " +
            active;
        return std::system(command.c_str()) == 0;
    }

    std::string address;

  private:
    int pid_ = 0;
};

TEST(ScreenLock, TheScreenSaverGoingActiveOnTheSessionBusIsHeard) {
    PrivateBus bus;
    ASSERT_FALSE(bus.address.empty()) << "dbus-daemon did not start";
    int locks = 0;
    const auto monitor = ScreenLockMonitor::Start([&locks] { ++locks; }, bus.address);
    // The bus learns what the monitor listens for on its own time.
    WaitFor([] { return false; }, 300);
    ASSERT_TRUE(bus.ScreenSaverActive("false"));
    ASSERT_TRUE(bus.ScreenSaverActive("true"));
    EXPECT_TRUE(WaitFor([&locks] { return locks == 1; }, 5000));
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(locks, 1) << "ActiveChanged(false) is no lock";

    // Without a bus there is nothing to hear, and nothing goes wrong.
    const auto none = ScreenLockMonitor::Start([&locks] { ++locks; }, "unix:path=/nonexistent");
    EXPECT_NE(none, nullptr);
}

}  // namespace
