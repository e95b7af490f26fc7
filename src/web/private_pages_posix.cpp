#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>

#include "web/parent_folders.h"
#include "web/private_pages.h"

namespace quillox::web {

namespace {

constexpr char kPagePrefix[] = "page-";
constexpr char kPageSuffix[] = ".html";

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

// A folder of the user's that no one else may write to: not a shared one
// such as /tmp, where another user could take our name first.
bool IsOwnFolder(const char* path) {
    struct stat status {};
    return IsAbsolute(path) && lstat(path, &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == geteuid() && (status.st_mode & 022) == 0;
}

std::string Reason(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// The folder opened without following a link, checked to be the user's
// alone; -1 with error set otherwise.
int OpenPrivateFolder(const std::string& folder, std::string& error) {
    // What cannot be made shows when the folder is opened.
    std::string ignored;
    if (MakeParentFolders(folder, ignored)) {
        mkdir(folder.c_str(), 0700);
    }
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = Reason(folder);
        return -1;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || status.st_uid != geteuid()) {
        error = folder + " belongs to another user.";
    } else if ((status.st_mode & 077) != 0 && fchmod(fd, 0700) != 0) {
        error = Reason(folder);
    } else {
        return fd;
    }
    close(fd);
    return -1;
}

std::string PageName() {
    static std::random_device random;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = kPagePrefix;
    for (int i = 0; i < 16; ++i) {
        name += kLetters[random() % (sizeof kLetters - 1)];
    }
    return name + kPageSuffix;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool IsPageName(const std::string& name) {
    const std::size_t prefix = sizeof kPagePrefix - 1;
    const std::size_t suffix = sizeof kPageSuffix - 1;
    return name.size() > prefix + suffix && name.compare(0, prefix, kPagePrefix) == 0 &&
           name.compare(name.size() - suffix, suffix, kPageSuffix) == 0;
}

}  // namespace

std::string PrivatePagesFolder(const char* runtimeDir, const char* cacheHome, const char* home) {
    if (IsOwnFolder(runtimeDir)) {
        return std::string(runtimeDir) + "/quillox-pages";
    }
    if (IsAbsolute(cacheHome)) {
        return std::string(cacheHome) + "/quillox/pages";
    }
    if (IsAbsolute(home)) {
        return std::string(home) + "/.cache/quillox/pages";
    }
    return {};
}

std::string PrivatePagesFolder() {
    return PrivatePagesFolder(std::getenv("XDG_RUNTIME_DIR"), std::getenv("XDG_CACHE_HOME"),
                              std::getenv("HOME"));
}

std::optional<std::string> WritePrivatePage(const std::string& folder, std::string_view text,
                                            std::string& error) {
    if (folder.empty() || folder[0] != '/') {
        error = "There is no private folder for it (HOME is not set).";
        return std::nullopt;
    }
    const int folderFd = OpenPrivateFolder(folder, error);
    if (folderFd < 0) {
        return std::nullopt;
    }
    std::string name;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 10; ++attempt) {
        name = PageName();
        fd = openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0600);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        error = Reason(folder);
        close(folderFd);
        return std::nullopt;
    }
    const std::string path = folder + "/" + name;
    bool written = fchmod(fd, 0600) == 0 && WriteAll(fd, text);
    if (!written) {
        error = Reason(path);
    }
    if (close(fd) != 0 && written) {
        written = false;
        error = Reason(path);
    }
    if (!written) {
        unlinkat(folderFd, name.c_str(), 0);
    }
    close(folderFd);
    return written ? std::optional<std::string>(path) : std::nullopt;
}

void RemoveStalePages(const std::string& folder, std::chrono::seconds age) {
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0) {
        return;
    }
    struct stat status {};
    DIR* entries =
        fstat(folderFd, &status) == 0 && status.st_uid == geteuid() ? fdopendir(folderFd) : nullptr;
    if (entries == nullptr) {
        close(folderFd);
        return;
    }
    const std::time_t cutoff = std::time(nullptr) - static_cast<std::time_t>(age.count());
    while (const dirent* entry = readdir(entries)) {
        const std::string name = entry->d_name;
        if (IsPageName(name) &&
            fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_mtime < cutoff) {
            unlinkat(folderFd, name.c_str(), 0);
        }
    }
    closedir(entries);
}

}  // namespace quillox::web
