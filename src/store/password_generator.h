#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quillox {

// The character classes a generated password draws from; the defaults are
// the ones the generator starts with.
struct PasswordClasses {
    bool upper = true;
    bool lower = true;
    bool numbers = true;
    bool others = false;
};

// Longer requests are cut to this length.
inline constexpr unsigned long kMaxPasswordLength = 255;

// Fills size bytes at data with random bytes; throws when it cannot.
using RandomByteSource = std::function<void(unsigned char* data, std::size_t size)>;

// The characters of the chosen classes, in this order: "A" to "Z", "a" to
// "z", "0" to "9", then the 32 printable ASCII characters that are neither
// letters, digits nor the space, in code order.
std::string PasswordPool(const PasswordClasses& classes);

// Exactly min(length, 255) characters, each drawn uniformly and independently
// from the pool with the operating system's cryptographic random source;
// empty when the pool is empty. Throws std::system_error when that source
// fails.
std::string GeneratePassword(const PasswordClasses& classes, unsigned long length);

// The same, with the random bytes taken from source.
std::string GeneratePassword(const PasswordClasses& classes, unsigned long length,
                             const RandomByteSource& source);

}  // namespace quillox
