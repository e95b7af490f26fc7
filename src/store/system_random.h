#pragma once

#include <cstddef>

namespace quillox {

// Fills size bytes at data from the operating system's cryptographic random
// source; throws std::system_error when it cannot, so that the caller can
// say so instead of the process ending.
void SystemRandomBytes(unsigned char* data, std::size_t size);

}  // namespace quillox
