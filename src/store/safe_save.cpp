#include "store/safe_save.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/link_trust.h"
#endif

namespace quillox {

namespace {

bool Refuse(FileErrorCause cause, const char* reason, SaveFailure& failure) {
    failure.cause = cause;
    failure.reason = reason;
    return false;
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

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"/\\");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

}  // namespace

// A new file on Windows takes the access rights of its folder; there is no
// mode to choose.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     const SafeSaveOptions& options, SaveFailure& failure) {
    const std::wstring target = Widen(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return Refuse(FileErrorCause::NotRegularFile, "Is a directory", failure);
        }
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0 && !options.replaceReadOnly) {
            return Refuse(FileErrorCause::ReadOnly, "Read-only file", failure);
        }
    }
    // A short name of its own in the target's folder, whatever the target's name.
    wchar_t temporary[MAX_PATH + 1] = {};
    if (GetTempFileNameW(FolderOf(target).c_str(), L"qx", 0, temporary) == 0) {
        return Fail(GetLastError(), failure);
    }
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        DeleteFileW(temporary);
        return Fail(code, failure);
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
    if (ok && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(target.c_str(),
                           attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    if (ok && !MoveFileExW(temporary, target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ok = false;
        code = GetLastError();
    }
    if (!ok) {
        DeleteFileW(temporary);
        return Fail(code, failure);
    }
    return true;
}

void RemovePendingTemporaryFile() noexcept {}

#else

namespace {

// The temporary file of the save under way, where a signal handler can find
// it: a fixed buffer, since a handler may not allocate.
char pendingTemporary[PATH_MAX + 1];
volatile std::sig_atomic_t pendingTemporarySet = 0;

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

// The file a path names after following its symbolic links, as editors do
// when they save through a link. A link to nothing yet names the file to
// create. A link another user may have planted is refused.
bool FollowLinks(const std::string& path, std::string& target, SaveFailure& failure) {
    target = path;
    // As many links as the system itself follows before it gives up.
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            return errno == ENOENT || Fail(errno, failure);
        }
        if (!S_ISLNK(info.st_mode)) {
            return true;
        }
        if (!MayFollowLinkIn(DirectoryOf(target), info.st_uid)) {
            return Refuse(FileErrorCause::UntrustedLink,
                          "Symbolic link made by another user in a shared folder", failure);
        }
        char link[PATH_MAX + 1];
        const ssize_t length = ::readlink(target.c_str(), link, PATH_MAX);
        if (length < 0) {
            return Fail(errno, failure);
        }
        const std::string destination(link, static_cast<std::size_t>(length));
        target = destination.front() == '/' ? destination : DirectoryOf(target) + "/" + destination;
    }
    return Fail(ELOOP, failure);
}

// Whether the owner's intent, as the mode or the permissions say, is that
// the file is not changed; root is asked the mode, since it may write anyway.
bool IsReadOnly(const std::string& target, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0;
}

int CreateTemporary(const std::string& directory) {
    const std::string name = directory + "/.qx-XXXXXX";
    if (name.size() > PATH_MAX) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(pendingTemporary, name.c_str(), name.size() + 1);
    // Set before the file exists: a handler that runs first finds no file.
    pendingTemporarySet = 1;
    // mkstemp creates the file readable by its owner only, as a password file should be.
    const int fd = ::mkstemp(pendingTemporary);
    if (fd < 0) {
        pendingTemporarySet = 0;
    }
    return fd;
}

// The replaced file's owner and, unless the file must stay private, its
// mode carry over once the data is complete. Only root can give a file away,
// and never clear text: over another user's file that stays the saver's own
// and readable by the saver alone, as the temporary file was made.
void CarryOwnerAndMode(int fd, const struct stat& existing, const SafeSaveOptions& options) {
    if (existing.st_uid != ::geteuid() && options.content == SavedContent::Clear) {
        return;
    }
    static_cast<void>(::fchown(fd, existing.st_uid, existing.st_gid) == 0);
    if (options.mode == SavedFileMode::KeepExisting) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
}

void ForgetTemporary(bool remove) {
    if (remove) {
        ::unlink(pendingTemporary);
    }
    pendingTemporarySet = 0;
}

}  // namespace

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     const SafeSaveOptions& options, SaveFailure& failure) {
    std::string target;
    if (!FollowLinks(path, target, failure)) {
        return false;
    }
    int savedErrno = 0;
    // Not followed again: a link that appeared since is not written through.
    struct stat existing {};
    const bool exists = ::lstat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return Refuse(FileErrorCause::NotRegularFile,
                      S_ISDIR(existing.st_mode) ? std::strerror(EISDIR) : "Not a regular file",
                      failure);
    }
    if (exists && !options.replaceReadOnly && IsReadOnly(target, existing)) {
        return Refuse(FileErrorCause::ReadOnly, "Read-only file", failure);
    }
    const int fd = CreateTemporary(DirectoryOf(target));
    if (fd < 0) {
        return Fail(errno, failure);
    }
    if (!WriteAll(fd, data, size) || ::fsync(fd) != 0) {
        savedErrno = errno;
    }
    if (exists && savedErrno == 0) {
        CarryOwnerAndMode(fd, existing, options);
    }
    if (::close(fd) != 0 && savedErrno == 0) {
        savedErrno = errno;
    }
    if (savedErrno == 0 && ::rename(pendingTemporary, target.c_str()) != 0) {
        savedErrno = errno;
    }
    ForgetTemporary(savedErrno != 0);
    if (savedErrno != 0) {
        return Fail(savedErrno, failure);
    }
    // Make the rename itself durable; the data is already safe if this fails.
    const int directory = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

void RemovePendingTemporaryFile() noexcept {
    if (pendingTemporarySet != 0) {
        ::unlink(pendingTemporary);
    }
}

#endif

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error, const SafeSaveOptions& options) {
    SaveFailure failure;
    if (WriteFileSafely(path, data, size, options, failure)) {
        return true;
    }
    switch (failure.cause) {
        case FileErrorCause::NotRegularFile:
            error = path + " is not a regular file.";
            break;
        case FileErrorCause::ReadOnly:
            error = "Access to " + path + " was denied.";
            break;
        case FileErrorCause::UntrustedLink:
            error = path + " is a symbolic link that another user made in a shared folder; " +
                    "it was not followed.";
            break;
        default:
            error = "Cannot save the file " + path + ": " + failure.reason + ".";
            break;
    }
    return false;
}

}  // namespace quillox
