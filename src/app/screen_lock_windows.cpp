#include <windows.h>
#include <wtsapi32.h>
#include <wx/frame.h>
#include <utility>

#include "app/screen_lock.h"

namespace quillox {

namespace {

// A hidden window that the session tells of its lock.
class SessionWindow : public wxFrame {
  public:
    explicit SessionWindow(std::function<void()> onLock)
        : wxFrame(nullptr, wxID_ANY, "Quillox session"), onLock_(std::move(onLock)) {
        registered_ = WTSRegisterSessionNotification(GetHWND(), NOTIFY_FOR_THIS_SESSION) != FALSE;
    }
    ~SessionWindow() override {
        if (registered_) {
            WTSUnRegisterSessionNotification(GetHWND());
        }
    }

    WXLRESULT MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam) override {
        if (message == WM_WTSSESSION_CHANGE && wParam == WTS_SESSION_LOCK) {
            onLock_();
        }
        return wxFrame::MSWWindowProc(message, wParam, lParam);
    }

  private:
    std::function<void()> onLock_;
    bool registered_ = false;
};

class WindowsScreenLockMonitor : public ScreenLockMonitor {
  public:
    explicit WindowsScreenLockMonitor(std::function<void()> onLock)
        : window_(new SessionWindow(std::move(onLock))) {}
    ~WindowsScreenLockMonitor() override { window_->Destroy(); }

  private:
    SessionWindow* window_;
};

}  // namespace

std::unique_ptr<ScreenLockMonitor> ScreenLockMonitor::Start(std::function<void()> onLock,
                                                            const std::string&) {
    return std::make_unique<WindowsScreenLockMonitor>(std::move(onLock));
}

}  // namespace quillox
