// Prints, in hex, the key a strong data file's cards are sealed with: derived
// from the password on standard input with the file's salt and cost. Made
// against libsodium alone, so that the memory-image test can look for the key.
#include <sodium.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2 || sodium_init() < 0) {
        std::cerr << "usage: strong_key FILE < password\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<unsigned char> file{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    // Header (22), magic (4), version, KDF id, passes (u32), memory (u64), salt.
    constexpr std::size_t kEnvelope = 22;
    if (file.size() < kEnvelope + 34 || file[12] != 2) {
        std::cerr << "not a strong file\n";
        return 1;
    }
    auto little = [&file](std::size_t at, int bytes) {
        std::uint64_t value = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            value = value << 8 | file[at + static_cast<std::size_t>(i)];
        }
        return value;
    };
    const std::uint64_t passes = little(kEnvelope + 6, 4);
    const std::uint64_t memory = little(kEnvelope + 10, 8);
    std::string password;
    std::getline(std::cin, password);
    unsigned char key[32];
    if (crypto_pwhash(key, sizeof key, password.data(), password.size(),
                      file.data() + kEnvelope + 18, passes, static_cast<std::size_t>(memory),
                      crypto_pwhash_ALG_ARGON2ID13) != 0) {
        std::cerr << "no memory for the key\n";
        return 1;
    }
    for (const unsigned char byte : key) {
        std::printf("%02x", byte);
    }
    std::printf("\n");
    return 0;
}
