#pragma once

#include <cstddef>
#include <cstdint>

#include "store/secret_string.h"

namespace quillox {

// Which tables the key schedule starts from. Files written with header
// version 5 were enciphered from all-zero tables; everything else uses the
// published initial values.
enum class StartTables { Standard, Zeroed };

// Blowfish with 16 rounds. Each object holds its own key state, built by the
// key schedule in the constructor and wiped in the destructor, so no key
// material outlives the operation that needed it.
class BlowfishCipher {
  public:
    // key must hold at least one byte; only the first 72 bytes matter.
    BlowfishCipher(const unsigned char* key, std::size_t keyLength, StartTables tables);
    ~BlowfishCipher();
    BlowfishCipher(const BlowfishCipher&) = delete;
    BlowfishCipher& operator=(const BlowfishCipher&) = delete;

    void EncryptBlock(std::uint32_t& left, std::uint32_t& right) const;
    void DecryptBlock(std::uint32_t& left, std::uint32_t& right) const;

    // ECB over whole 8-byte blocks in place. A block is two little-endian
    // 32-bit words: bytes 0-3 the left word, bytes 4-7 the right word.
    void EncryptBlocks(unsigned char* buffer, std::size_t blockCount) const;
    void DecryptBlocks(unsigned char* buffer, std::size_t blockCount) const;

  private:
    std::uint32_t F(std::uint32_t x) const;
    // The rounds proper, forced inline into the block and buffer functions.
    void Encipher(std::uint32_t& left, std::uint32_t& right) const;
    void Decipher(std::uint32_t& left, std::uint32_t& right) const;

    std::uint32_t p_[18];
    std::uint32_t s_[4][256];
};

// Keys a fresh cipher with the password and the standard tables, then
// enciphers blocks 0 to blockCount-1 of buffer in place.
void EncryptBuffer(const SecretString& password, std::uint16_t blockCount, unsigned char* buffer);

// The same for deciphering, from the chosen start tables.
void DecryptBuffer(const SecretString& password, std::uint16_t blockCount, unsigned char* buffer,
                   StartTables tables);

}  // namespace quillox
