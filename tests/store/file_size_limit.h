#pragma once

#include <sys/resource.h>

#include <csignal>

namespace quillox::testing {

// Makes the disk seem full part way through a write: while it lives, no file
// may grow past the given size, and SIGXFSZ goes to handler instead of
// ending the test. Lower() says whether the limit was set.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(void (*handler)(int) = SIG_IGN)
        : previousHandler_(std::signal(SIGXFSZ, handler)) {}
    ~FileSizeLimit() {
        if (lowered_) {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
        }
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Lower(rlim_t bytes) {
        if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0) {
            return false;
        }
        rlimit small = saved_;
        small.rlim_cur = bytes;
        lowered_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
        return lowered_;
    }

  private:
    void (*previousHandler_)(int);
    rlimit saved_{};
    bool lowered_ = false;
};

}  // namespace quillox::testing
