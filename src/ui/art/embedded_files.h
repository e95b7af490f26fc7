#pragma once

#include <cstddef>
#include <string_view>

namespace quillox {

// A file built into the program (by EmbedFiles.cmake); data is not
// NUL-terminated.
struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

// The embedded file of that name, or nullptr.
const EmbeddedFile* FindEmbeddedFile(std::string_view name);

}  // namespace quillox
