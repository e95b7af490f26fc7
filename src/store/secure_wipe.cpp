#include "store/secure_wipe.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(__GLIBC__) || defined(__OpenBSD__) || defined(__FreeBSD__)
#include <string.h>
#define QUILLOX_HAVE_EXPLICIT_BZERO 1
#endif

namespace quillox {

void SecureWipe(void* data, std::size_t size) {
    if (data == nullptr || size == 0) {
        return;
    }
#if defined(_WIN32)
    SecureZeroMemory(data, size);
#elif defined(QUILLOX_HAVE_EXPLICIT_BZERO)
    explicit_bzero(data, size);
#else
    volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
    while (size-- > 0) {
        *p++ = 0;
    }
#endif
}

void SecureWipe(std::string& text) {
    // data() points at capacity() + 1 writable bytes; wipe all of them so that
    // text removed earlier by a shrink does not linger either.
    SecureWipe(text.data(), text.capacity());
    text.clear();
}

}  // namespace quillox
