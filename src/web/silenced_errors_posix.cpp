#include <fcntl.h>
#include <unistd.h>

#include "web/silenced_errors.h"

namespace quillox::web {

ErrorOutputSilenced::ErrorOutputSilenced() {
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere < 0) {
        return;
    }
    saved_ = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (saved_ >= 0 && dup2(nowhere, STDERR_FILENO) < 0) {
        close(saved_);
        saved_ = -1;
    }
    close(nowhere);
}

ErrorOutputSilenced::~ErrorOutputSilenced() {
    if (saved_ >= 0) {
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
}

}  // namespace quillox::web
