#include "store/core_dumps.h"

#if defined(__linux__)
#include <sys/prctl.h>
#endif
#if !defined(_WIN32)
#include <sys/resource.h>
#endif

namespace quillox {

void DisableCoreDumps() {
#if defined(__linux__)
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
#if !defined(_WIN32)
    // Also on systems where dumpability cannot be switched off.
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
#endif
}

}  // namespace quillox
