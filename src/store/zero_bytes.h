#pragma once

#include <cstddef>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

// Counting zero bytes: loading checks every card's text block this way, so
// the counts work on sixteen bytes at a time where the processor allows.
namespace quillox {

std::size_t CountZeroBytes(const char* bytes, std::size_t size);

// The largest run CountZeroBytesAfterHeader takes.
inline constexpr std::size_t kMaxShortRun = 16 * 255;

// The same count for at most kMaxShortRun bytes that have 16 readable bytes
// before them, as a card's text block has its card's header. The partial
// sixteen at the end are read as the sixteen bytes ending the run, with those
// already counted masked off, so that no loop runs byte by byte. Inline: it
// runs once for every card loaded.
inline std::size_t CountZeroBytesAfterHeader(const char* bytes, std::size_t size) {
#if defined(__SSE2__) || defined(_M_X64)
    static constexpr unsigned char kTailMask[32] = {0,    0,    0,    0,    0,    0,    0,    0,
                                                    0,    0,    0,    0,    0,    0,    0,    0,
                                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const __m128i zero = _mm_setzero_si128();
    // Each lane counts the zero bytes in its column; at most 255 rows fit.
    __m128i lanes = zero;
    const std::size_t whole = size & ~std::size_t{15};
    for (std::size_t i = 0; i < whole; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(chunk, zero));
    }
    const std::size_t rest = size - whole;
    if (rest > 0) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + size - 16));
        const __m128i mask = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kTailMask + rest));
        lanes = _mm_sub_epi8(lanes, _mm_and_si128(_mm_cmpeq_epi8(chunk, zero), mask));
    }
    const __m128i sums = _mm_sad_epu8(lanes, zero);
    return static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
           static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
#else
    return CountZeroBytes(bytes, size);
#endif
}

}  // namespace quillox
