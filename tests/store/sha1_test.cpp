#include "store/sha1.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "store/sha1_blocks.h"

namespace quillox {

// Lets test names and failure messages show the path by name.
void PrintTo(Sha1Path path, std::ostream* out) {
    *out << (path == Sha1Path::Portable ? "Portable" : "Hardware");
}

namespace {

std::string Hex(const Sha1Value& value) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : value) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 15];
    }
    return text;
}

// Every case runs on the portable and on the hardware block path.
class Sha1PathTest : public testing::TestWithParam<Sha1Path> {
  protected:
    void SetUp() override {
        if (GetParam() == Sha1Path::Hardware && !Sha1HardwareAvailable()) {
            GTEST_SKIP() << "no SHA extensions in this build or processor";
        }
    }

    Sha1Value DigestOf(const std::string& message) const {
        Sha1DigestOnPath digest(GetParam());
        digest.Update(message.data(), message.size());
        return digest.Finish();
    }

    std::string HexOf(const std::string& message) const { return Hex(DigestOf(message)); }
};

TEST_P(Sha1PathTest, PublishedVectors) {
    EXPECT_EQ(HexOf("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(HexOf(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(HexOf("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    // Lengths where the padding and bit length just fit, or just do not.
    EXPECT_EQ(HexOf(std::string(55, 'a')), "c1c8bbdc22796e28c0e15163d20899b65621d65a");
    EXPECT_EQ(HexOf(std::string(63, 'a')), "03f09f5b158a7a8cdad920bddc29b81c18a551f5");
    EXPECT_EQ(HexOf(std::string(64, 'a')), "0098ba824b5c16427bd7a1122a5a442a25ec644d");

    const std::string thousand(1000, 'a');
    Sha1DigestOnPath digest(GetParam());
    for (int i = 0; i < 1000; ++i) {
        digest.Update(thousand.data(), thousand.size());
    }
    EXPECT_EQ(Hex(digest.Finish()), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
    // Finish leaves the object ready for a new message.
    digest.Update("abc", 3);
    EXPECT_EQ(Hex(digest.Finish()), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST_P(Sha1PathTest, SplitUpdatesMatchOneShotAroundPaddingBoundaries) {
    for (std::size_t length : {55, 56, 57, 63, 64, 65, 119, 120, 127, 128, 129}) {
        std::string message;
        for (std::size_t i = 0; i < length; ++i) {
            message += static_cast<char>('A' + i * 7 % 53);
        }
        const Sha1Value whole = DigestOf(message);
        for (std::size_t split = 0; split <= length; ++split) {
            SCOPED_TRACE(testing::Message() << length << " split at " << split);
            Sha1DigestOnPath digest(GetParam());
            digest.Update(message.data(), split);
            digest.Update(message.data() + split, 0);
            digest.Update(message.data() + split, length - split);
            EXPECT_EQ(digest.Finish(), whole);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, Sha1PathTest,
                         testing::Values(Sha1Path::Portable, Sha1Path::Hardware),
                         [](const testing::TestParamInfo<Sha1Path>& path) {
                             return testing::PrintToString(path.param);
                         });

// Random messages of up to a few blocks, fed to both paths in the same random
// pieces, so that any difference in the rounds, the schedule or the carrying
// of state from one call to the next shows up.
TEST(Sha1Test, HardwarePathMatchesPortableOnRandomMessages) {
    if (!Sha1HardwareAvailable()) {
        GTEST_SKIP() << "no SHA extensions in this build or processor";
    }
    std::mt19937 random(0x5A17);
    std::uniform_int_distribution<std::size_t> lengths(0, 300);
    std::uniform_int_distribution<int> bytes(0, 255);
    for (int trial = 0; trial < 2000; ++trial) {
        std::vector<unsigned char> message(lengths(random));
        for (unsigned char& byte : message) {
            byte = static_cast<unsigned char>(bytes(random));
        }
        SCOPED_TRACE(testing::Message() << "trial " << trial << ", " << message.size() << " bytes");

        Sha1DigestOnPath portable(Sha1Path::Portable);
        Sha1DigestOnPath hardware(Sha1Path::Hardware);
        std::size_t offset = 0;
        while (offset < message.size()) {
            std::uniform_int_distribution<std::size_t> pieces(1, message.size() - offset);
            const std::size_t piece = pieces(random);
            portable.Update(message.data() + offset, piece);
            hardware.Update(message.data() + offset, piece);
            offset += piece;
        }
        const Sha1Value expected = portable.Finish();
        EXPECT_EQ(hardware.Finish(), expected);
        EXPECT_EQ(Sha1Digest::Of(message.data(), message.size()), expected);
    }
}

}  // namespace
}  // namespace quillox
