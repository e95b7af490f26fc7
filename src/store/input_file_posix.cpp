#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "store/input_file.h"
#include "store/input_file_messages.h"

namespace quillox {

InputFile::~InputFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool InputFile::Open(const std::string& path, std::string& error) {
    // O_NONBLOCK: opening a FIFO that nobody writes to must not hang; fstat
    // then tells what was opened before a byte is read.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        const int openErrno = errno;
        // A socket cannot be opened at all; say what it is rather than why.
        struct stat info {};
        error = ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)
                    ? NotARegularFile(path)
                    : CannotOpen(path, std::strerror(openErrno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        error = CannotOpen(path, std::strerror(errno));
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = NotARegularFile(path);
        return false;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    return true;
}

bool InputFile::Read(void* out, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(out);
    while (size > 0) {
        const ssize_t got = ::read(fd_, bytes, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace quillox
