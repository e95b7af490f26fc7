#include "output/allocated_size.h"

#include <malloc.h>

namespace quillox::output {

std::size_t AllocatedSize(void* block) {
    return block == nullptr ? 0 : _msize(block);
}

}  // namespace quillox::output
