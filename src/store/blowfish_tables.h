#pragma once

#include <cstdint>

namespace quillox {

// Initial Blowfish key state, taken from the hex digits of pi.
extern const std::uint32_t kBlowfishInitialP[18];
extern const std::uint32_t kBlowfishInitialS[4][256];

}  // namespace quillox
