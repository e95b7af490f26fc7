#include "store/zero_bytes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quillox {

std::size_t CountZeroBytes(const char* bytes, std::size_t size) {
    std::size_t count = 0;
    std::size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Each lane of the sum counts the zero bytes in its column, without a
    // branch per zero; a lane holds at most 255, so sums are taken in runs.
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= size) {
        __m128i lanes = zero;
        const std::size_t runEnd = std::min(size & ~std::size_t{15}, i + kMaxShortRun);
        for (; i < runEnd; i += 16) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(chunk, zero));
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + i, 8);
        // A byte's high bit ends up clear exactly when the byte is zero.
        const std::uint64_t nonZero = ((word & kLow7) + kLow7) | word;
        // One bit per zero byte, at the bottom of each byte; the multiply adds them up.
        const std::uint64_t zeros = (~nonZero & ~kLow7) >> 7;
        count += static_cast<std::size_t>((zeros * 0x0101010101010101ULL) >> 56);
    }
    for (; i < size; ++i) {
        count += bytes[i] == '\0' ? 1 : 0;
    }
    return count;
}

}  // namespace quillox
