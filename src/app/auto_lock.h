#pragma once

#include <chrono>
#include <functional>

// When the program locks its encrypted documents because the user has left:
// after a time without input in its windows, or when the screen locks. A
// document locks by closing, as Close would; reopening it asks for its
// password again. The decisions live here, away from the windows.
namespace quillox {

// What locking does with one open document.
enum class LockStep {
    kLeaveOpen,     // not encrypted: nothing to lock
    kClose,         // encrypted and unchanged
    kSaveAndClose,  // encrypted and changed, automatic saving on, a file to save to
    kWait,          // encrypted with changes that nothing may save: never lost
};
LockStep LockStepFor(bool encrypted, bool modified, bool canSaveQuietly);

class AutoLock {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit AutoLock(Clock clock = &std::chrono::steady_clock::now);

    // The user pressed a key or used the mouse in one of our windows: the
    // idle time starts again, and a lock waiting for changes ends.
    void Input();
    // The screen locked: lock now.
    void ScreenLocked();
    // Whether a lock is due: the screen locked, or idleMinutes (0 never)
    // passed since the last input without a lock since.
    bool Due(long idleMinutes) const;
    // A lock ran; waiting when documents with changes stayed open, so that
    // it is tried again until they are saved, closed or the user is back.
    void Ran(bool waiting);

  private:
    Clock clock_;
    std::chrono::steady_clock::time_point lastInput_;
    bool screenLocked_ = false;
    bool idleLockDone_ = false;
};

}  // namespace quillox
