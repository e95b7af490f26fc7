#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillox {

// A data file opened for reading. Only a regular file is one: a directory, a
// device or a FIFO is refused, and opening never waits for a FIFO's writer.
class InputFile {
  public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False, with error set to what the user is told, when path is no
    // readable regular file.
    bool Open(const std::string& path, std::string& error);
    std::uint64_t Size() const { return size_; }
    // Reads exactly size bytes from the current position; false on a read
    // error or when the file ends first.
    bool Read(void* out, std::size_t size);

  private:
    // The open file's descriptor; on Windows the C runtime's one of its handle.
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace quillox
