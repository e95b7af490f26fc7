#include <sys/resource.h>

#include "store/core_dumps.h"

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace quillox {

void DisableCoreDumps() {
#if defined(__linux__)
    prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
    // Also on systems where dumpability cannot be switched off.
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
}

}  // namespace quillox
