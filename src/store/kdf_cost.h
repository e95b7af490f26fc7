#pragma once

#include <cstdint>

namespace quillox {

// What deriving a strong file's key from its password costs: Argon2id's
// passes over memory and the memory it fills.
struct KdfCost {
    std::uint32_t operations = 0;
    std::uint64_t memoryBytes = 0;

    bool operator==(const KdfCost& other) const {
        return operations == other.operations && memoryBytes == other.memoryBytes;
    }
    bool operator!=(const KdfCost& other) const { return !(*this == other); }
};

// About half a second on a desktop of today.
inline constexpr KdfCost kDefaultKdfCost{3, std::uint64_t{64} << 20};
// The most a file may ask for; more counts as damage, so that a hostile file
// cannot make the reader exhaust the machine.
inline constexpr KdfCost kKdfCeiling{32, std::uint64_t{4} << 30};

}  // namespace quillox
