// SHA-1 blocks with the x86 SHA extensions. Only these functions are compiled
// for the extensions, so the rest of the build runs on any x86-64 processor;
// the run-time check decides whether they are called.
#include "store/sha1_blocks.h"

#if defined(QUILLOX_SHA1_X86)

#include <cpuid.h>
#include <immintrin.h>

#include <utility>

namespace quillox {

namespace {

// The instructions keep four consecutive schedule words in one register with
// the earliest in the top lane, and A..D of the working variables likewise;
// E travels in the top lane of a register of its own.

__attribute__((target("sha,sse4.1"))) inline __m128i LoadWords(const unsigned char* bytes) {
    // Reversing all sixteen bytes both makes each word big-endian and puts
    // the first word in the top lane.
    const __m128i reverse = _mm_set_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    return _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), reverse);
}

// Rounds 4q to 4q+3. On entry w[q % 4] holds words 4q-16..4q-13 (or, for the
// first four quads, the message words 4q..4q+3), and `e` holds E in its top
// lane for the first quad, or A from before the previous quad otherwise: E is
// that A rotated by 30 bits, which SHA1NEXTE adds in.
template <int q>
__attribute__((target("sha,sse4.1"))) inline void Quad(__m128i& abcd, __m128i& e, __m128i (&w)[4]) {
    __m128i words;
    if constexpr (q >= 4) {
        // W[t] = (W[t-16] ^ W[t-14] ^ W[t-8] ^ W[t-3]) <<< 1, four words at once.
        w[q % 4] = _mm_sha1msg2_epu32(
            _mm_xor_si128(_mm_sha1msg1_epu32(w[q % 4], w[(q + 1) % 4]), w[(q + 2) % 4]),
            w[(q + 3) % 4]);
    }
    if constexpr (q == 0) {
        words = _mm_add_epi32(e, w[0]);
    } else {
        words = _mm_sha1nexte_epu32(e, w[q % 4]);
    }
    e = abcd;
    abcd = _mm_sha1rnds4_epu32(abcd, words, q / 5);
}

template <int... q>
__attribute__((target("sha,sse4.1"))) inline void AllQuads(__m128i& abcd, __m128i& e,
                                                           __m128i (&w)[4],
                                                           std::integer_sequence<int, q...>) {
    (Quad<q>(abcd, e, w), ...);
}

}  // namespace

bool Sha1ShaNiSupported() {
    unsigned int eax = 0;
    unsigned int ebx = 0;
    unsigned int ecx = 0;
    unsigned int edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0 || (ecx & bit_SSSE3) == 0 ||
        (ecx & bit_SSE4_1) == 0) {
        return false;
    }
    return __get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) != 0 && (ebx & bit_SHA) != 0;
}

// Every working value stays in a register, so no message-derived data is left
// on the stack.
__attribute__((target("sha,sse4.1"))) void Sha1BlocksShaNi(std::uint32_t* state,
                                                           const unsigned char* blocks,
                                                           std::size_t count) {
    __m128i abcd =
        _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0x1B);
    __m128i e = _mm_set_epi32(static_cast<int>(state[4]), 0, 0, 0);
    for (; count > 0; --count, blocks += 64) {
        const __m128i abcdBefore = abcd;
        const __m128i eBefore = e;
        __m128i w[4] = {LoadWords(blocks), LoadWords(blocks + 16), LoadWords(blocks + 32),
                        LoadWords(blocks + 48)};
        AllQuads(abcd, e, w, std::make_integer_sequence<int, 20>());
        abcd = _mm_add_epi32(abcd, abcdBefore);
        e = _mm_sha1nexte_epu32(e, eBefore);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_shuffle_epi32(abcd, 0x1B));
    state[4] = static_cast<std::uint32_t>(_mm_extract_epi32(e, 3));
}

}  // namespace quillox

#endif
