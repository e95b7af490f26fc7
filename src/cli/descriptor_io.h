#pragma once

#include <cstddef>

namespace quillox::cli {

// The system's own read and write calls on a file descriptor, with nothing of
// the standard library's buffering between.

// Reads exactly one byte; false at the end of the input or on an error.
bool ReadByte(int fd, char& c);

// Writes up to size bytes; how many were written, or a negative value with
// errno set.
long WriteSome(int fd, const char* data, std::size_t size);

}  // namespace quillox::cli
