#include "store/password_generator.h"

#include "store/secure_wipe.h"
#include "store/system_random.h"

namespace quillox {

namespace {

constexpr std::size_t kByteValues = 256;

void AddRange(std::string& pool, char first, char last) {
    for (char c = first; c <= last; ++c) {
        pool.push_back(c);
    }
}

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
