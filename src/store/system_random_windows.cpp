#include <windows.h>
// bcrypt.h needs the types windows.h declares.
#include <bcrypt.h>

#include <system_error>

#include "store/system_random.h"

namespace quillox {

void SystemRandomBytes(unsigned char* data, std::size_t size) {
    const NTSTATUS status =
        BCryptGenRandom(nullptr, data, static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (!BCRYPT_SUCCESS(status)) {
        throw std::system_error(static_cast<int>(status), std::system_category(),
                                "BCryptGenRandom");
    }
}

}  // namespace quillox
