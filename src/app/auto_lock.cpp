#include "app/auto_lock.h"

namespace quillox {

LockStep LockStepFor(bool encrypted, bool modified, bool canSaveQuietly) {
    if (!encrypted) {
        return LockStep::kLeaveOpen;
    }
    if (!modified) {
        return LockStep::kClose;
    }
    return canSaveQuietly ? LockStep::kSaveAndClose : LockStep::kWait;
}

AutoLock::AutoLock(Clock clock) : clock_(std::move(clock)), lastInput_(clock_()) {}

void AutoLock::Input() {
    lastInput_ = clock_();
    screenLocked_ = false;
    idleLockDone_ = false;
}

void AutoLock::ScreenLocked() {
    screenLocked_ = true;
}

bool AutoLock::Due(long idleMinutes) const {
    if (screenLocked_) {
        return true;
    }
    return idleMinutes > 0 && !idleLockDone_ &&
           clock_() - lastInput_ >= std::chrono::minutes(idleMinutes);
}

void AutoLock::Ran(bool waiting) {
    if (!waiting) {
        screenLocked_ = false;
        idleLockDone_ = true;
    }
}

}  // namespace quillox
