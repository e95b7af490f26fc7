#include "store/guarded_memory.h"

#include <sodium.h>

#include <new>
#include <stdexcept>

namespace quillox {

void EnsureSodium() {
    // sodium_init is thread-safe and returns 1 once it has already run.
    static const bool ready = sodium_init() >= 0;
    if (!ready) {
        throw std::runtime_error("libsodium could not be initialised");
    }
}

void GuardedFree::operator()(unsigned char* bytes) const noexcept {
    sodium_free(bytes);
}

GuardedBytes AllocateGuarded(std::size_t size) {
    EnsureSodium();
    auto* bytes = static_cast<unsigned char*>(sodium_malloc(size));
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
    return GuardedBytes(bytes);
}

}  // namespace quillox
