#include "store/blowfish.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillox {
namespace {

struct Vector {
    std::uint64_t key;
    std::uint64_t plain;
    std::uint64_t cipher;
};

// Eric Young's published ECB set with 8-byte keys.
const Vector kVectors[] = {
    {0x0000000000000000, 0x0000000000000000, 0x4EF997456198DD78},
    {0xFFFFFFFFFFFFFFFF, 0xFFFFFFFFFFFFFFFF, 0x51866FD5B85ECB8A},
    {0x3000000000000000, 0x1000000000000001, 0x7D856F9A613063F2},
    {0x1111111111111111, 0x1111111111111111, 0x2466DD878B963C9D},
    {0x0123456789ABCDEF, 0x1111111111111111, 0x61F9C3802281B096},
    {0x1111111111111111, 0x0123456789ABCDEF, 0x7D0CC630AFDA1EC7},
    {0xFEDCBA9876543210, 0x0123456789ABCDEF, 0x0ACEAB0FC6A0A28D},
    {0x7CA110454A1A6E57, 0x01A1D6D039776742, 0x59C68245EB05282B},
    {0x0131D9619DC1376E, 0x5CD54CA83DEF57DA, 0xB1B8CC0B250F09A0},
    {0x07A1133E4A0B2686, 0x0248D43806F67172, 0x1730E5778BEA1DA4},
    {0x3849674C2602319E, 0x51454B582DDF440A, 0xA25E7856CF2651EB},
    {0x04B915BA43FEB5B6, 0x42FD443059577FA2, 0x353882B109CE8F1A},
    {0x0113B970FD34F2CE, 0x059B5E0851CF143A, 0x48F4D0884C379918},
    {0x0170F175468FB5E6, 0x0756D8E0774761D2, 0x432193B78951FC98},
    {0x43297FAD38E373FE, 0x762514B829BF486A, 0x13F04154D69D1AE5},
    {0x07A7137045DA2A16, 0x3BDD119049372802, 0x2EEDDA93FFD39C79},
    {0x04689104C2FD3B2F, 0x26955F6835AF609A, 0xD887E0393C2DA6E3},
    {0x37D06BB516CB7546, 0x164D5E404F275232, 0x5F99D04F5B163969},
    {0x1F08260D1AC2465E, 0x6B056E18759F5CCA, 0x4A057A3B24D3977B},
    {0x584023641ABA6176, 0x004BD6EF09176062, 0x452031C1E4FADA8E},
    {0x025816164629B007, 0x480D39006EE762F2, 0x7555AE39F59B87BD},
    {0x49793EBC79B3258F, 0x437540C8698F3CFA, 0x53C55F9CB49FC019},
    {0x4FB05E1515AB73A7, 0x072D43A077075292, 0x7A8E7BFA937E89A3},
    {0x49E95D6D4CA229BF, 0x02FE55778117F12A, 0xCF9C5D7A4986ADB5},
    {0x018310DC409B26D6, 0x1D9D5C5018F728C2, 0xD1ABB290658BC778},
    {0x1C587F1C13924FEF, 0x305532286D6F295A, 0x55CB3774D13EF201},
    {0x0101010101010101, 0x0123456789ABCDEF, 0xFA34EC4847B268B2},
    {0x1F1F1F1F0E0E0E0E, 0x0123456789ABCDEF, 0xA790795108EA3CAE},
    {0xE0FEE0FEF1FEF1FE, 0x0123456789ABCDEF, 0xC39E072D9FAC631D},
    {0x0000000000000000, 0xFFFFFFFFFFFFFFFF, 0x014933E0CDAFF6E4},
    {0xFFFFFFFFFFFFFFFF, 0x0000000000000000, 0xF21E9A77B71C49BC},
    {0x0123456789ABCDEF, 0x0000000000000000, 0x245946885754369A},
    {0xFEDCBA9876543210, 0xFFFFFFFFFFFFFFFF, 0x6B5C5A9C5D9E0A5A},
};

std::vector<unsigned char> BigEndianBytes(std::uint64_t value) {
    std::vector<unsigned char> bytes(8);
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (56 - 8 * i));
    }
    return bytes;
}

// The file layout: each 32-bit half of a block with its bytes reversed.
std::vector<unsigned char> FileBytes(std::uint64_t value) {
    const std::vector<unsigned char> b = BigEndianBytes(value);
    return {b[3], b[2], b[1], b[0], b[7], b[6], b[5], b[4]};
}

std::vector<unsigned char> Encrypt(const std::string& key, StartTables tables,
                                   std::vector<unsigned char> data) {
    const BlowfishCipher cipher(reinterpret_cast<const unsigned char*>(key.data()), key.size(),
                                tables);
    cipher.EncryptBlocks(data.data(), data.size() / 8);
    return data;
}

std::vector<unsigned char> Decrypt(const std::string& key, StartTables tables,
                                   std::vector<unsigned char> data) {
    const BlowfishCipher cipher(reinterpret_cast<const unsigned char*>(key.data()), key.size(),
                                tables);
    cipher.DecryptBlocks(data.data(), data.size() / 8);
    return data;
}

const std::vector<unsigned char> kSample = {'c', 'a', 'r', 'd', ' ', 'f', 'i', 'l',
                                            'e', ' ', 'b', 'o', 'd', 'y', '!', 0xFF};

TEST(BlowfishTest, PublishedVectorsAsWordsAndInFileByteOrder) {
    for (const Vector& v : kVectors) {
        SCOPED_TRACE(testing::Message() << std::hex << v.key << " " << v.plain);
        const std::vector<unsigned char> key = BigEndianBytes(v.key);
        const BlowfishCipher cipher(key.data(), key.size(), StartTables::Standard);

        auto left = static_cast<std::uint32_t>(v.plain >> 32);
        auto right = static_cast<std::uint32_t>(v.plain);
        cipher.EncryptBlock(left, right);
        EXPECT_EQ((std::uint64_t{left} << 32) | right, v.cipher);
        cipher.DecryptBlock(left, right);
        EXPECT_EQ((std::uint64_t{left} << 32) | right, v.plain);

        std::vector<unsigned char> block = FileBytes(v.plain);
        cipher.EncryptBlocks(block.data(), 1);
        EXPECT_EQ(block, FileBytes(v.cipher));
        cipher.DecryptBlocks(block.data(), 1);
        EXPECT_EQ(block, FileBytes(v.plain));
    }
}

TEST(BlowfishTest, KeyIsCycledOverTheFirst72Bytes) {
    const auto standard = StartTables::Standard;
    const std::vector<unsigned char> reference = Encrypt("abc", standard, kSample);
    EXPECT_EQ(Encrypt("abcabcabcabc", standard, kSample), reference);
    std::string repeated;
    for (int i = 0; i < 24; ++i) {
        repeated += "abc";
    }
    EXPECT_EQ(Encrypt(repeated, standard, kSample), reference);
    EXPECT_NE(Encrypt("abcd", standard, kSample), reference);

    std::string longKey;
    for (int i = 0; i < 80; ++i) {
        longKey += static_cast<char>(i + 1);
    }
    const std::vector<unsigned char> first72 = Encrypt(longKey.substr(0, 72), standard, kSample);
    EXPECT_EQ(Encrypt(longKey, standard, kSample), first72);
    EXPECT_EQ(Encrypt(longKey.substr(0, 73), standard, kSample), first72);
    EXPECT_NE(Encrypt(longKey.substr(0, 71), standard, kSample), first72);
}

TEST(BlowfishTest, ZeroedStartTablesAreADifferentCipher) {
    const std::vector<unsigned char> zeroed = Encrypt("secret", StartTables::Zeroed, kSample);
    const std::vector<unsigned char> standard = Encrypt("secret", StartTables::Standard, kSample);
    EXPECT_NE(zeroed, kSample);
    EXPECT_NE(zeroed, standard);
    EXPECT_EQ(Decrypt("secret", StartTables::Zeroed, zeroed), kSample);
    EXPECT_NE(Decrypt("secret", StartTables::Zeroed, standard), kSample);
    EXPECT_EQ(Decrypt("secret", StartTables::Standard, standard), kSample);
}

TEST(BlowfishTest, EmptyKeyIsRejected) {
    const unsigned char key[1] = {0};
    EXPECT_THROW(BlowfishCipher(key, 0, StartTables::Standard), std::invalid_argument);
    std::vector<unsigned char> data = kSample;
    EXPECT_THROW(EncryptBuffer(SecretString(), 1, data.data()), std::invalid_argument);
    EXPECT_THROW(DecryptBuffer(SecretString(), 1, data.data(), StartTables::Zeroed),
                 std::invalid_argument);
    EXPECT_EQ(data, kSample);
}

TEST(BlowfishTest, BufferFunctionsTouchOnlyTheCountedBlocks) {
    const SecretString password("hunter2");
    std::vector<unsigned char> data = kSample;
    data.insert(data.end(), kSample.begin(), kSample.end());

    EncryptBuffer(password, 2, data.data());
    const std::vector<unsigned char> head(data.begin(), data.begin() + 16);
    EXPECT_EQ(head, Encrypt("hunter2", StartTables::Standard, kSample));
    EXPECT_TRUE(std::equal(kSample.begin(), kSample.end(), data.begin() + 16));

    DecryptBuffer(password, 1, data.data(), StartTables::Standard);
    EXPECT_TRUE(std::equal(kSample.begin(), kSample.begin() + 8, data.begin()));
    EXPECT_TRUE(std::equal(head.begin() + 8, head.end(), data.begin() + 8));
    EXPECT_TRUE(std::equal(kSample.begin(), kSample.end(), data.begin() + 16));

    std::vector<unsigned char> zeroed = Encrypt("hunter2", StartTables::Zeroed, kSample);
    DecryptBuffer(password, 2, zeroed.data(), StartTables::Zeroed);
    EXPECT_EQ(zeroed, kSample);
}

}  // namespace
}  // namespace quillox
