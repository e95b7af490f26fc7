#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <deque>
#include <map>
#include <stdexcept>

#include "store/password_generator.h"

namespace quillox {
namespace {

const std::string kOthers = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";

PasswordClasses Classes(bool upper, bool lower, bool numbers, bool others) {
    return PasswordClasses{upper, lower, numbers, others};
}

// Serves a fixed byte sequence in order, however the generator asks for it.
RandomByteSource Scripted(std::deque<unsigned char>& bytes) {
    return [&bytes](unsigned char* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            if (bytes.empty()) {
                throw std::runtime_error("script exhausted");
            }
            data[i] = bytes.front();
            bytes.pop_front();
        }
    };
}

TEST(PasswordGenerator, PoolHoldsTheTickedClassesInOrder) {
    EXPECT_EQ(PasswordPool(Classes(true, true, true, true)),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789" + kOthers);
    EXPECT_EQ(PasswordPool(Classes(false, true, false, true)),
              "abcdefghijklmnopqrstuvwxyz" + kOthers);
    EXPECT_EQ(kOthers.size(), 32u);
    EXPECT_EQ(PasswordPool(Classes(false, false, false, false)), "");
}

TEST(PasswordGenerator, GivesExactlyTheLengthAskedUpTo255) {
    for (const unsigned long length : {0ul, 1ul, 10ul, 64ul, 255ul}) {
        EXPECT_EQ(GeneratePassword(PasswordClasses{}, length).size(), length);
    }
    EXPECT_EQ(GeneratePassword(PasswordClasses{}, 300).size(), 255u);
    EXPECT_EQ(GeneratePassword(Classes(false, false, false, false), 10), "");
}

TEST(PasswordGenerator, DrawsOnlyFromThePoolOfEveryCombination) {
    for (int mask = 1; mask < 16; ++mask) {
        const PasswordClasses classes =
            Classes((mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0, (mask & 8) != 0);
        const std::string pool = PasswordPool(classes);
        for (const char c : GeneratePassword(classes, 255)) {
            EXPECT_NE(pool.find(c), std::string::npos) << "mask " << mask << " char " << int(c);
        }
    }
    for (const char c : GeneratePassword(Classes(false, false, false, true), 255)) {
        EXPECT_NE(kOthers.find(c), std::string::npos) << int(c);
    }
}

TEST(PasswordGenerator, UsesEveryCharacterAboutEquallyOften) {
    const PasswordClasses all = Classes(true, true, true, true);
    std::map<char, int> counts;
    int total = 0;
    while (total < 94 * 300) {
        for (const char c : GeneratePassword(all, 255)) {
            ++counts[c];
            ++total;
        }
    }
    ASSERT_EQ(counts.size(), 94u);
    const double mean = static_cast<double>(total) / 94.0;
    for (const auto& [c, count] : counts) {
        EXPECT_NEAR(count, mean, mean * 0.3) << "character " << c;
    }
    EXPECT_NE(GeneratePassword(PasswordClasses{}, 10), GeneratePassword(PasswordClasses{}, 10));
}

TEST(PasswordGenerator, RejectsBytesBeyondTheLargestMultipleOfThePool) {
    // Ten digits: bytes 250 to 255 would favour "0" to "5" and are skipped.
    std::deque<unsigned char> bytes = {250, 3, 255, 249, 0, 17, 252};
    EXPECT_EQ(GeneratePassword(Classes(false, false, true, false), 4, Scripted(bytes)), "3907");
    EXPECT_EQ(bytes, std::deque<unsigned char>{252});

    // 94 characters: the limit is 188, and 187 is the last accepted byte.
    bytes = {188, 93, 200, 187, 255, 94};
    EXPECT_EQ(GeneratePassword(Classes(true, true, true, true), 3, Scripted(bytes)), "~~A");
    EXPECT_TRUE(bytes.empty());

    // 26 letters (limit 234): only rejected bytes means drawing goes on.
    bytes = {234, 240, 250, 255, 25};
    EXPECT_EQ(GeneratePassword(Classes(true, false, false, false), 1, Scripted(bytes)), "Z");
}

}  // namespace
}  // namespace quillox
