#pragma once

#include <cstddef>

namespace quillox::output {

// How many bytes the C library's malloc holds for block, at least as many as
// were asked for; 0 for no block.
std::size_t AllocatedSize(void* block);

}  // namespace quillox::output
