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

FileErrorCause CauseOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
            return FileErrorCause::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
            return FileErrorCause::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES:
            return FileErrorCause::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return FileErrorCause::AccessDenied;
        case ERROR_CANNOT_MAKE:
            return FileErrorCause::DirectoryFull;
        case ERROR_CRC:
        case ERROR_SEEK:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
            return FileErrorCause::HardwareIo;
        case ERROR_SHARING_VIOLATION:
            return FileErrorCause::SharingViolation;
        case ERROR_LOCK_VIOLATION:
            return FileErrorCause::LockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileErrorCause::DiskFull;
        default:
            return FileErrorCause::Unknown;
    }
}

bool Fail(DWORD code, SaveFailure& failure) {
    failure.cause = CauseOf(code);
    failure.reason = SystemMessage(code);
    return false;
}

}  // namespace

// A new file on Windows takes the access rights of its folder; there is no
// mode to choose.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     SavedFileMode /*mode*/, SaveFailure& failure) {
    const std::wstring target = Widen(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Fail(ERROR_ACCESS_DENIED, failure);
    }
    const std::wstring temporary = target + L".qxtmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return Fail(GetLastError(), failure);
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
        return Fail(code, failure);
    }
    return true;
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

FileErrorCause CauseOf(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return FileErrorCause::BadPath;
        case EMFILE:
        case ENFILE:
            return FileErrorCause::TooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return FileErrorCause::AccessDenied;
        case EMLINK:
            return FileErrorCause::DirectoryFull;
        case EIO:
            return FileErrorCause::HardwareIo;
        case ETXTBSY:
        case EBUSY:
            return FileErrorCause::SharingViolation;
        case ENOLCK:
        case EDEADLK:
            return FileErrorCause::LockViolation;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return FileErrorCause::DiskFull;
        default:
            return FileErrorCause::Unknown;
    }
}

bool Fail(int code, SaveFailure& failure) {
    failure.cause = CauseOf(code);
    failure.reason = std::strerror(code);
    return false;
}

}  // namespace

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     SavedFileMode mode, SaveFailure& failure) {
    // A directory, device or pipe at path is not replaced by a file.
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return Fail(EISDIR, failure);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        failure.cause = FileErrorCause::AccessDenied;
        failure.reason = "Not a regular file";
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    // mkstemp creates the file readable by its owner only, as a password file should be.
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return Fail(errno, failure);
    }
    if (exists && mode == SavedFileMode::KeepExisting) {
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
        return Fail(savedErrno, failure);
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

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error) {
    SaveFailure failure;
    if (WriteFileSafely(path, data, size, SavedFileMode::KeepExisting, failure)) {
        return true;
    }
    error = "Cannot save the file " + path + ": " + failure.reason + ".";
    return false;
}

}  // namespace quillox
