#include <unistd.h>

#include <cerrno>

#include "cli/descriptor_io.h"

namespace quillox::cli {

bool ReadByte(int fd, char& c) {
    for (;;) {
        const ssize_t got = ::read(fd, &c, 1);
        if (got == 1) {
            return true;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return false;
    }
}

long WriteSome(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

}  // namespace quillox::cli
