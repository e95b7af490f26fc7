#include "output/xml_memory.h"

#include <libxml/xmlmemory.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "output/allocated_size.h"
#include "store/secure_wipe.h"

namespace quillox::output {

namespace {

void WipingFree(void* block) {
    SecureWipe(block, AllocatedSize(block));
    std::free(block);
}

// Always a new block, so that the old one can be wiped: realloc may move the
// texts and leave them behind in memory it frees itself.
void* WipingRealloc(void* block, std::size_t size) {
    if (block == nullptr) {
        return std::malloc(size);
    }
    void* moved = std::malloc(size == 0 ? 1 : size);
    if (moved == nullptr) {
        return nullptr;
    }
    std::memcpy(moved, block, std::min(size, AllocatedSize(block)));
    WipingFree(block);
    return moved;
}

char* Duplicate(const char* text) {
    const std::size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (copy != nullptr) {
        std::memcpy(copy, text, size);
    }
    return copy;
}

}  // namespace

void WipeXmlMemoryOnFree() {
    xmlMemSetup(WipingFree, std::malloc, WipingRealloc, Duplicate);
}

}  // namespace quillox::output
