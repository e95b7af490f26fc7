#include "store/byte_io.h"

namespace quillox {

void WriteU32(unsigned char* p, std::uint32_t value) {
    p[0] = static_cast<unsigned char>(value);
    p[1] = static_cast<unsigned char>(value >> 8);
    p[2] = static_cast<unsigned char>(value >> 16);
    p[3] = static_cast<unsigned char>(value >> 24);
}

void WriteU64(unsigned char* p, std::uint64_t value) {
    WriteU32(p, static_cast<std::uint32_t>(value));
    WriteU32(p + 4, static_cast<std::uint32_t>(value >> 32));
}

void AppendU32(std::vector<unsigned char>& out, std::uint32_t value) {
    unsigned char bytes[4];
    WriteU32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

}  // namespace quillox
