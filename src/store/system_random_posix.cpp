#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "store/system_random.h"

#if defined(__linux__) && __has_include(<sys/random.h>)
#include <sys/random.h>
#define QUILLOX_HAVE_GETRANDOM 1
#endif

namespace quillox {

namespace {

[[noreturn]] void ThrowErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void ReadUrandom(unsigned char* data, std::size_t size) {
    const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno("/dev/urandom");
    }
    while (size > 0) {
        const ssize_t got = ::read(fd, data, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            const int error = got < 0 ? errno : EIO;
            ::close(fd);
            throw std::system_error(error, std::generic_category(), "/dev/urandom");
        }
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    ::close(fd);
}

}  // namespace

void SystemRandomBytes(unsigned char* data, std::size_t size) {
#if defined(QUILLOX_HAVE_GETRANDOM)
    while (size > 0) {
        const ssize_t got = ::getrandom(data, size, 0);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            // Kernels older than 3.17 lack the call; the device serves the same pool.
            if (errno == ENOSYS) {
                ReadUrandom(data, size);
                return;
            }
            ThrowErrno("getrandom");
        }
        data += got;
        size -= static_cast<std::size_t>(got);
    }
#else
    ReadUrandom(data, size);
#endif
}

}  // namespace quillox
