#include <windows.h>
#include <wx/timer.h>
#include <utility>

#include "app/screen_lock.h"

namespace quillox {

namespace {

// How often the session is looked at: a lock is heard within this time.
constexpr int kLookMilliseconds = 2000;

// While the workstation is locked, the secure desktop takes the input and
// the user's desktop cannot be switched to. Looking needs no window of its
// own, which would keep the program from ending with its last frame.
bool SessionLocked() {
    HDESK input = OpenInputDesktop(0, FALSE, DESKTOP_SWITCHDESKTOP);
    if (input == nullptr) {
        return true;
    }
    const bool locked = SwitchDesktop(input) == FALSE;
    CloseDesktop(input);
    return locked;
}

class WindowsScreenLockMonitor : public ScreenLockMonitor {
  public:
    explicit WindowsScreenLockMonitor(std::function<void()> onLock)
        : onLock_(std::move(onLock)), locked_(SessionLocked()) {
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Look(); });
        timer_.Start(kLookMilliseconds);
    }

  private:
    // Only the moment of locking counts, not a lock that goes on.
    void Look() {
        const bool locked = SessionLocked();
        if (locked && !locked_) {
            onLock_();
        }
        locked_ = locked;
    }

    std::function<void()> onLock_;
    bool locked_;
    wxTimer timer_;
};

}  // namespace

std::unique_ptr<ScreenLockMonitor> ScreenLockMonitor::Start(std::function<void()> onLock,
                                                            const std::string&) {
    return std::make_unique<WindowsScreenLockMonitor>(std::move(onLock));
}

}  // namespace quillox
