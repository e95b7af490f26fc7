#pragma once

// Internal to the store: the SHA-1 block functions behind Sha1Digest, and a
// digest pinned to one of them so that the paths can be checked against each
// other.

#include <cstddef>
#include <cstdint>

#include "store/sha1.h"

// The hardware path needs GCC or clang for the function-level target
// attribute and <cpuid.h>; other compilers and processors use the portable
// path alone.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(_MSC_VER)
#define QUILLOX_SHA1_X86 1
#endif

namespace quillox {

#if defined(QUILLOX_SHA1_X86)
// Whether the processor has the SHA extensions and the SSSE3 and SSE4.1
// instructions the hardware path also uses.
bool Sha1ShaNiSupported();

// Compresses `count` consecutive 64-byte blocks into the five state words with
// the SHA extensions. Only to be called when Sha1ShaNiSupported() holds.
void Sha1BlocksShaNi(std::uint32_t* state, const unsigned char* blocks, std::size_t count);
#endif

enum class Sha1Path { Portable, Hardware };

// Whether this build and processor offer the hardware path. Checked once.
bool Sha1HardwareAvailable();

class Sha1DigestOnPath final : public Sha1Digest {
  public:
    // Sha1Path::Hardware falls back to the portable path where
    // Sha1HardwareAvailable() is false.
    explicit Sha1DigestOnPath(Sha1Path path);
};

}  // namespace quillox
