#include "store/secure_wipe.h"

#include <sodium.h>

namespace quillox {

void SecureWipe(void* data, std::size_t size) {
    if (data == nullptr || size == 0) {
        return;
    }
    sodium_memzero(data, size);
}

namespace {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

// SSE registers exist on every x86-64 processor; with AVX, vzeroall clears
// them whole, and AVX-512 adds sixteen more that library copies use.
void ClearSseRegisters() {
    __asm__ volatile(
        "pxor %%xmm0, %%xmm0\n pxor %%xmm1, %%xmm1\n pxor %%xmm2, %%xmm2\n"
        "pxor %%xmm3, %%xmm3\n pxor %%xmm4, %%xmm4\n pxor %%xmm5, %%xmm5\n"
        "pxor %%xmm6, %%xmm6\n pxor %%xmm7, %%xmm7\n pxor %%xmm8, %%xmm8\n"
        "pxor %%xmm9, %%xmm9\n pxor %%xmm10, %%xmm10\n pxor %%xmm11, %%xmm11\n"
        "pxor %%xmm12, %%xmm12\n pxor %%xmm13, %%xmm13\n pxor %%xmm14, %%xmm14\n"
        "pxor %%xmm15, %%xmm15\n" ::
            : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7", "xmm8", "xmm9",
              "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15");
}

__attribute__((target("avx"))) void ClearAvxRegisters() {
    __asm__ volatile("vzeroall" ::
                         : "xmm0", "xmm1", "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7", "xmm8",
                           "xmm9", "xmm10", "xmm11", "xmm12", "xmm13", "xmm14", "xmm15");
}

__attribute__((target("avx512f"))) void ClearAvx512Registers() {
    __asm__ volatile(
        "vpxord %%zmm16, %%zmm16, %%zmm16\n vpxord %%zmm17, %%zmm17, %%zmm17\n"
        "vpxord %%zmm18, %%zmm18, %%zmm18\n vpxord %%zmm19, %%zmm19, %%zmm19\n"
        "vpxord %%zmm20, %%zmm20, %%zmm20\n vpxord %%zmm21, %%zmm21, %%zmm21\n"
        "vpxord %%zmm22, %%zmm22, %%zmm22\n vpxord %%zmm23, %%zmm23, %%zmm23\n"
        "vpxord %%zmm24, %%zmm24, %%zmm24\n vpxord %%zmm25, %%zmm25, %%zmm25\n"
        "vpxord %%zmm26, %%zmm26, %%zmm26\n vpxord %%zmm27, %%zmm27, %%zmm27\n"
        "vpxord %%zmm28, %%zmm28, %%zmm28\n vpxord %%zmm29, %%zmm29, %%zmm29\n"
        "vpxord %%zmm30, %%zmm30, %%zmm30\n vpxord %%zmm31, %%zmm31, %%zmm31\n" ::
            : "xmm16", "xmm17", "xmm18", "xmm19", "xmm20", "xmm21", "xmm22", "xmm23", "xmm24",
              "xmm25", "xmm26", "xmm27", "xmm28", "xmm29", "xmm30", "xmm31");
}

void ClearVectorRegisters() {
    if (__builtin_cpu_supports("avx512f")) {
        ClearAvx512Registers();
    }
    if (__builtin_cpu_supports("avx")) {
        ClearAvxRegisters();
    } else {
        ClearSseRegisters();
    }
}

#else

void ClearVectorRegisters() {}

#endif

// Overwrites the stack below its caller: its own frame lies there.
#if defined(_MSC_VER)
__declspec(noinline)
#else
__attribute__((noinline))
#endif
    void WipeStackBelow() {
    // Deeper than any load or save goes below its caller: the cipher's key
    // state (4 KiB) and a saved register file (under 3 KiB) are the largest.
    unsigned char scratch[16 * 1024];
    SecureWipe(scratch, sizeof scratch);
}

}  // namespace

void WipeScratchMemory() {
    WipeStackBelow();
    ClearVectorRegisters();
}

void SecureWipe(std::string& text) {
    // data() points at capacity() + 1 writable bytes; wipe all of them so that
    // text removed earlier by a shrink does not linger either.
    SecureWipe(text.data(), text.capacity());
    text.clear();
}

}  // namespace quillox
