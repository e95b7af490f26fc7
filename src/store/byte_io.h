#pragma once

#include <cstdint>
#include <vector>

namespace quillox {

// Little-endian integers, as every data file stores them.
std::uint16_t ReadU16(const unsigned char* p);
std::uint32_t ReadU32(const unsigned char* p);
void WriteU32(unsigned char* p, std::uint32_t value);
void AppendU32(std::vector<unsigned char>& out, std::uint32_t value);

}  // namespace quillox
