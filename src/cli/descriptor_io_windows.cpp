#include <io.h>

#include "cli/descriptor_io.h"

namespace quillox::cli {

bool ReadByte(int fd, char& c) {
    return _read(fd, &c, 1) == 1;
}

long WriteSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}

}  // namespace quillox::cli
