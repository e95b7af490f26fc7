#include "store/blowfish.h"

#include <cstring>
#include <stdexcept>

#include "store/blowfish_tables.h"
#include "store/secure_wipe.h"

// The cipher's throughput hinges on the rounds being inlined into the buffer
// loop, which is larger than compilers inline on their own.
#if defined(_MSC_VER)
#define QUILLOX_FORCE_INLINE __forceinline
#else
#define QUILLOX_FORCE_INLINE inline __attribute__((always_inline))
#endif

namespace quillox {

namespace {

// Shifts rather than a raw copy so the byte order holds on any host.
std::uint32_t LoadLittleEndian(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Written out from one 64-bit value: compilers turn that into a single store,
// while a loop, or two 32-bit halves, come out as a byte-by-byte shuffle.
void StoreBlock(std::uint32_t left, std::uint32_t right, unsigned char* bytes) {
    const std::uint64_t block = std::uint64_t{right} << 32 | left;
    bytes[0] = static_cast<unsigned char>(block);
    bytes[1] = static_cast<unsigned char>(block >> 8);
    bytes[2] = static_cast<unsigned char>(block >> 16);
    bytes[3] = static_cast<unsigned char>(block >> 24);
    bytes[4] = static_cast<unsigned char>(block >> 32);
    bytes[5] = static_cast<unsigned char>(block >> 40);
    bytes[6] = static_cast<unsigned char>(block >> 48);
    bytes[7] = static_cast<unsigned char>(block >> 56);
}

}  // namespace

QUILLOX_FORCE_INLINE std::uint32_t BlowfishCipher::F(std::uint32_t x) const {
    return ((s_[0][x >> 24] + s_[1][(x >> 16) & 0xFF]) ^ s_[2][(x >> 8) & 0xFF]) + s_[3][x & 0xFF];
}

// The rounds are written out, and alternating the halves removes the swap
// between them.
QUILLOX_FORCE_INLINE void BlowfishCipher::Encipher(std::uint32_t& left,
                                                   std::uint32_t& right) const {
    std::uint32_t l = left ^ p_[0];
    std::uint32_t r = right;
    r ^= F(l) ^ p_[1];
    l ^= F(r) ^ p_[2];
    r ^= F(l) ^ p_[3];
    l ^= F(r) ^ p_[4];
    r ^= F(l) ^ p_[5];
    l ^= F(r) ^ p_[6];
    r ^= F(l) ^ p_[7];
    l ^= F(r) ^ p_[8];
    r ^= F(l) ^ p_[9];
    l ^= F(r) ^ p_[10];
    r ^= F(l) ^ p_[11];
    l ^= F(r) ^ p_[12];
    r ^= F(l) ^ p_[13];
    l ^= F(r) ^ p_[14];
    r ^= F(l) ^ p_[15];
    l ^= F(r) ^ p_[16];
    left = r ^ p_[17];
    right = l;
}

QUILLOX_FORCE_INLINE void BlowfishCipher::Decipher(std::uint32_t& left,
                                                   std::uint32_t& right) const {
    std::uint32_t l = left ^ p_[17];
    std::uint32_t r = right;
    r ^= F(l) ^ p_[16];
    l ^= F(r) ^ p_[15];
    r ^= F(l) ^ p_[14];
    l ^= F(r) ^ p_[13];
    r ^= F(l) ^ p_[12];
    l ^= F(r) ^ p_[11];
    r ^= F(l) ^ p_[10];
    l ^= F(r) ^ p_[9];
    r ^= F(l) ^ p_[8];
    l ^= F(r) ^ p_[7];
    r ^= F(l) ^ p_[6];
    l ^= F(r) ^ p_[5];
    r ^= F(l) ^ p_[4];
    l ^= F(r) ^ p_[3];
    r ^= F(l) ^ p_[2];
    l ^= F(r) ^ p_[1];
    left = r ^ p_[0];
    right = l;
}

BlowfishCipher::BlowfishCipher(const unsigned char* key, std::size_t keyLength,
                               StartTables tables) {
    if (keyLength == 0) {
        throw std::invalid_argument("Blowfish key must not be empty");
    }
    if (tables == StartTables::Standard) {
        std::memcpy(p_, kBlowfishInitialP, sizeof p_);
        std::memcpy(s_, kBlowfishInitialS, sizeof s_);
    } else {
        std::memset(p_, 0, sizeof p_);
        std::memset(s_, 0, sizeof s_);
    }

    // The key is cycled over the P-array, so bytes past the 72nd never matter.
    std::size_t position = 0;
    for (std::uint32_t& word : p_) {
        std::uint32_t keyWord = 0;
        for (int i = 0; i < 4; ++i) {
            keyWord = keyWord << 8 | key[position];
            position = (position + 1) % keyLength;
        }
        word ^= keyWord;
    }

    std::uint32_t left = 0;
    std::uint32_t right = 0;
    for (std::size_t i = 0; i < 18; i += 2) {
        Encipher(left, right);
        p_[i] = left;
        p_[i + 1] = right;
    }
    for (auto& box : s_) {
        for (std::size_t i = 0; i < 256; i += 2) {
            Encipher(left, right);
            box[i] = left;
            box[i + 1] = right;
        }
    }
}

BlowfishCipher::~BlowfishCipher() {
    SecureWipe(p_, sizeof p_);
    SecureWipe(s_, sizeof s_);
}

void BlowfishCipher::EncryptBlock(std::uint32_t& left, std::uint32_t& right) const {
    Encipher(left, right);
}

void BlowfishCipher::DecryptBlock(std::uint32_t& left, std::uint32_t& right) const {
    Decipher(left, right);
}

void BlowfishCipher::EncryptBlocks(unsigned char* buffer, std::size_t blockCount) const {
    for (std::size_t i = 0; i < blockCount; ++i, buffer += 8) {
        std::uint32_t left = LoadLittleEndian(buffer);
        std::uint32_t right = LoadLittleEndian(buffer + 4);
        Encipher(left, right);
        StoreBlock(left, right, buffer);
    }
}

void BlowfishCipher::DecryptBlocks(unsigned char* buffer, std::size_t blockCount) const {
    for (std::size_t i = 0; i < blockCount; ++i, buffer += 8) {
        std::uint32_t left = LoadLittleEndian(buffer);
        std::uint32_t right = LoadLittleEndian(buffer + 4);
        Decipher(left, right);
        StoreBlock(left, right, buffer);
    }
}

void EncryptBuffer(const SecretString& password, std::uint16_t blockCount, unsigned char* buffer) {
    const BlowfishCipher cipher(password.bytes(), password.size(), StartTables::Standard);
    cipher.EncryptBlocks(buffer, blockCount);
}

void DecryptBuffer(const SecretString& password, std::uint16_t blockCount, unsigned char* buffer,
                   StartTables tables) {
    const BlowfishCipher cipher(password.bytes(), password.size(), tables);
    cipher.DecryptBlocks(buffer, blockCount);
}

}  // namespace quillox
