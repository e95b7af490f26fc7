#include "store/input_file.h"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <filesystem>
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillox {

namespace {

std::string NotARegularFile(const std::string& path) {
    return path + " is not a regular file.";
}

std::string CannotOpen(const std::string& path, const char* reason) {
    return "Cannot open the file " + path + ": " + reason + ".";
}

}  // namespace

#if defined(_WIN32)

InputFile::~InputFile() {
    delete static_cast<std::ifstream*>(stream_);
}

bool InputFile::Open(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path name = fs::u8path(path);
    std::error_code code;
    const fs::file_status status = fs::status(name, code);
    if (code) {
        error = CannotOpen(path, code.message().c_str());
        return false;
    }
    if (!fs::is_regular_file(status)) {
        error = NotARegularFile(path);
        return false;
    }
    auto* stream = new std::ifstream(name, std::ios::binary);
    stream_ = stream;
    size_ = fs::file_size(name, code);
    if (!*stream || code) {
        error = CannotOpen(path, "it cannot be read");
        return false;
    }
    return true;
}

bool InputFile::Read(void* out, std::size_t size) {
    auto* stream = static_cast<std::ifstream*>(stream_);
    stream->read(static_cast<char*>(out), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(stream->gcount()) == size;
}

#else

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

#endif

}  // namespace quillox
