#include <gtest/gtest.h>

#include "app/auto_lock.h"

namespace quillox {
namespace {

using namespace std::chrono_literals;

TEST(AutoLock, OnlyEncryptedDocumentsCloseAndChangesAreNeverLost) {
    struct Case {
        bool encrypted, modified, canSave;
        LockStep step;
    };
    const Case cases[] = {
        {false, false, false, LockStep::kLeaveOpen}, {false, true, true, LockStep::kLeaveOpen},
        {true, false, false, LockStep::kClose},      {true, false, true, LockStep::kClose},
        {true, true, true, LockStep::kSaveAndClose}, {true, true, false, LockStep::kWait},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LockStepFor(c.encrypted, c.modified, c.canSave), c.step)
            << c.encrypted << c.modified << c.canSave;
    }
}

TEST(AutoLock, IdleMinutesInputAndTheScreenDecideWhenToLock) {
    auto now = std::chrono::steady_clock::time_point();
    AutoLock lock([&now] { return now; });

    now += 59s;
    EXPECT_FALSE(lock.Due(1));
    now += 1s;
    EXPECT_TRUE(lock.Due(1));
    EXPECT_FALSE(lock.Due(0)) << "0 never locks";
    EXPECT_FALSE(lock.Due(2));

    // Input starts the minute again.
    lock.Input();
    now += 59s;
    EXPECT_FALSE(lock.Due(1));
    now += 1s;
    EXPECT_TRUE(lock.Due(1));

    // A lock that left changes waiting is tried again; a finished one is not
    // repeated until the user has been back.
    lock.Ran(true);
    EXPECT_TRUE(lock.Due(1));
    lock.Ran(false);
    now += 10min;
    EXPECT_FALSE(lock.Due(1));
    lock.Input();
    now += 1min;
    EXPECT_TRUE(lock.Due(1));

    // The screen locks: due at once, whatever the minutes, until it ran or
    // the user is back.
    lock.Input();
    lock.ScreenLocked();
    EXPECT_TRUE(lock.Due(0));
    lock.Ran(true);
    EXPECT_TRUE(lock.Due(0));
    lock.Input();
    EXPECT_FALSE(lock.Due(0));
    lock.ScreenLocked();
    lock.Ran(false);
    EXPECT_FALSE(lock.Due(0));
}

}  // namespace
}  // namespace quillox
