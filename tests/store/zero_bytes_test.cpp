#include "store/zero_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quillox {
namespace {

// Runs of every length up to a few vectors, at every alignment, with zero
// bytes right before and after the run: a mask that is off by one byte, or a
// read past either end, counts one of them.
TEST(ZeroBytes, BothCountsAgreeWithCountingByHandWhateverTheLengthAndAlignment) {
    constexpr std::size_t kBefore = 32;
    for (std::size_t size = 0; size <= 80; ++size) {
        for (std::size_t align = 0; align < 16; ++align) {
            std::vector<char> buffer(kBefore + align + size + 32, '\0');
            char* run = buffer.data() + kBefore + align;
            for (std::size_t i = 0; i < size; ++i) {
                run[i] = (i * 7 + size) % 5 == 0 ? '\0' : static_cast<char>('a' + i % 26);
            }
            const auto expected = static_cast<std::size_t>(std::count(run, run + size, '\0'));
            EXPECT_EQ(CountZeroBytes(run, size), expected) << size << " at " << align;
            EXPECT_EQ(CountZeroBytesAfterHeader(run, size), expected) << size << " at " << align;
        }
    }
}

TEST(ZeroBytes, TheLongestShortRunOfZerosDoesNotOverflowALane) {
    std::vector<char> buffer(16 + kMaxShortRun + 16, 'x');
    char* run = buffer.data() + 16;
    std::fill(run, run + kMaxShortRun, '\0');
    EXPECT_EQ(CountZeroBytesAfterHeader(run, kMaxShortRun), kMaxShortRun);
    EXPECT_EQ(CountZeroBytes(run, kMaxShortRun), kMaxShortRun);
    std::vector<char> longer(3 * kMaxShortRun + 5, '\0');
    EXPECT_EQ(CountZeroBytes(longer.data(), longer.size()), longer.size());
}

}  // namespace
}  // namespace quillox
