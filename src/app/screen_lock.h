#pragma once

#include <functional>
#include <memory>
#include <string>

// Hears when the user's session locks its screen. On Unix: the session bus's
// org.freedesktop.ScreenSaver ActiveChanged(true) and logind's Lock signal
// for this session; on Windows: the secure desktop taking the input. Without a
// bus or a session the program simply hears nothing.
namespace quillox {

class ScreenLockMonitor {
  public:
    // onLock runs on the user-interface thread. sessionBus, when not empty,
    // is the address of the session bus to listen on instead of the
    // session's own (and logind is then not asked).
    static std::unique_ptr<ScreenLockMonitor> Start(std::function<void()> onLock,
                                                    const std::string& sessionBus = {});
    virtual ~ScreenLockMonitor() = default;
};

}  // namespace quillox
