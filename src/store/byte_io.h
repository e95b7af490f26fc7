#pragma once

#include <cstdint>
#include <vector>

namespace quillox {

// Little-endian integers, as every data file stores them.
// Inline: loading reads three of them for every card.
inline std::uint16_t ReadU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t ReadU64(const unsigned char* p) {
    return ReadU32(p) | (static_cast<std::uint64_t>(ReadU32(p + 4)) << 32);
}

void WriteU32(unsigned char* p, std::uint32_t value);
void WriteU64(unsigned char* p, std::uint64_t value);
void AppendU32(std::vector<unsigned char>& out, std::uint32_t value);

}  // namespace quillox
