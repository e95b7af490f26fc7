#pragma once

#include <cstddef>
#include <memory>

namespace quillox {

// Makes libsodium ready for use; safe to call from anywhere, any number of
// times and from any thread. Throws std::runtime_error when the library
// cannot start, which leaves no safe way to handle keys.
void EnsureSodium();

struct GuardedFree {
    void operator()(unsigned char* bytes) const noexcept;
};

// Bytes for keys and passwords: locked out of swap where the system allows,
// fenced by guard pages, and wiped when freed.
using GuardedBytes = std::unique_ptr<unsigned char[], GuardedFree>;

// Throws std::bad_alloc when no memory is left. size must not be 0.
GuardedBytes AllocateGuarded(std::size_t size);

}  // namespace quillox
