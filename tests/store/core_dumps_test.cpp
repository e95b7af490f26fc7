#include "store/core_dumps.h"

#include <gtest/gtest.h>

#if defined(__linux__)
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// In a child of its own, so the test program stays dumpable for debugging.
TEST(CoreDumps, SwitchedOffLeavesNeitherDumpabilityNorALimit) {
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        quillox::DisableCoreDumps();
        rlimit limit{};
        const bool off = prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 &&
                         getrlimit(RLIMIT_CORE, &limit) == 0 && limit.rlim_cur == 0 &&
                         limit.rlim_max == 0;
        _exit(off ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
#endif
