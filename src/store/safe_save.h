#pragma once

#include <cstddef>
#include <string>

namespace quillox {

// Writes data to a temporary file beside path, flushes it to the disk and only
// then renames it over path. On any failure path keeps its old content, the
// temporary file is removed, error says what went wrong and false is returned.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error);

}  // namespace quillox
