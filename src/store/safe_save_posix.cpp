#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "store/link_trust.h"
#include "store/safe_save.h"
#include "store/safe_save_refusal.h"

namespace quillox {

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

}  // namespace quillox
