#include "store/safe_save.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillox {

namespace {

std::string Failure(const std::string& path, const std::string& reason) {
    return "Cannot save the file " + path + ": " + reason + ".";
}

}  // namespace

#if defined(_WIN32)

namespace {

std::wstring Widen(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

std::string SystemMessage(DWORD code) {
    char buffer[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   buffer, sizeof buffer, nullptr);
    std::string text(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error) {
    const std::wstring target = Widen(path);
    const std::wstring temporary = target + L".qxtmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Failure(path, SystemMessage(GetLastError()));
        return false;
    }
    bool ok = true;
    std::size_t written = 0;
    while (ok && written < size) {
        DWORD chunk = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - written, 1u << 30));
        ok = WriteFile(file, data + written, want, &chunk, nullptr) != 0;
        written += chunk;
    }
    ok = ok && FlushFileBuffers(file) != 0;
    DWORD code = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (ok && !MoveFileExW(temporary.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        code = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary.c_str());
        error = Failure(path, SystemMessage(code));
    }
    return ok;
}

#else

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error) {
    std::string temporary = path + ".XXXXXX";
    // mkstemp creates the file readable by its owner only, as a password file should be.
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = Failure(path, std::strerror(errno));
        return false;
    }
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    int savedErrno = 0;
    if (!WriteAll(fd, data, size) || ::fsync(fd) != 0) {
        savedErrno = errno;
    }
    if (::close(fd) != 0 && savedErrno == 0) {
        savedErrno = errno;
    }
    if (savedErrno == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        savedErrno = errno;
    }
    if (savedErrno != 0) {
        ::unlink(temporary.c_str());
        error = Failure(path, std::strerror(savedErrno));
        return false;
    }
    // Make the rename itself durable; the data is already safe if this fails.
    const int directory = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

#endif

}  // namespace quillox
