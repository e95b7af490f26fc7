#include "store/password_generator.h"

#include <cerrno>
#include <system_error>

#include "store/secure_wipe.h"

#if defined(_WIN32)
#include <windows.h>
// bcrypt.h needs the types windows.h declares.
#include <bcrypt.h>
#else
#include <fcntl.h>
#include <unistd.h>
#if defined(__linux__) && __has_include(<sys/random.h>)
#include <sys/random.h>
#define QUILLOX_HAVE_GETRANDOM 1
#endif
#endif

namespace quillox {

namespace {

constexpr std::size_t kByteValues = 256;

void AddRange(std::string& pool, char first, char last) {
    for (char c = first; c <= last; ++c) {
        pool.push_back(c);
    }
}

#if defined(_WIN32)

void SystemRandomBytes(unsigned char* data, std::size_t size) {
    const NTSTATUS status =
        BCryptGenRandom(nullptr, data, static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (!BCRYPT_SUCCESS(status)) {
        throw std::system_error(static_cast<int>(status), std::system_category(),
                                "BCryptGenRandom");
    }
}

#else

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

#endif

}  // namespace

std::string PasswordPool(const PasswordClasses& classes) {
    std::string pool;
    if (classes.upper) {
        AddRange(pool, 'A', 'Z');
    }
    if (classes.lower) {
        AddRange(pool, 'a', 'z');
    }
    if (classes.numbers) {
        AddRange(pool, '0', '9');
    }
    if (classes.others) {
        AddRange(pool, '!', '/');
        AddRange(pool, ':', '@');
        AddRange(pool, '[', '`');
        AddRange(pool, '{', '~');
    }
    return pool;
}

std::string GeneratePassword(const PasswordClasses& classes, unsigned long length) {
    return GeneratePassword(classes, length, SystemRandomBytes);
}

std::string GeneratePassword(const PasswordClasses& classes, unsigned long length,
                             const RandomByteSource& source) {
    const std::string pool = PasswordPool(classes);
    const std::size_t wanted = length < kMaxPasswordLength ? length : kMaxPasswordLength;
    std::string password;
    if (pool.empty() || wanted == 0) {
        return password;
    }
    // Reserved up front so that no reallocation leaves a partial copy behind.
    password.reserve(wanted);
    // A byte at or above the largest multiple of the pool size would favour
    // the first characters of the pool; such bytes are drawn again.
    const std::size_t limit = kByteValues - kByteValues % pool.size();
    WipedBuffer bytes(wanted);
    while (password.size() < wanted) {
        const std::size_t missing = wanted - password.size();
        source(bytes.data(), missing);
        for (std::size_t i = 0; i < missing; ++i) {
            const unsigned char byte = bytes.data()[i];
            if (byte < limit) {
                password.push_back(pool[byte % pool.size()]);
            }
        }
    }
    return password;
}

}  // namespace quillox
