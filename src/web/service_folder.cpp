#include "web/service_folder.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quillox::web {

namespace {

std::string ModeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

}  // namespace

std::string ServiceFolderPath(const char* xdgRuntimeDir, unsigned long uid) {
    if (xdgRuntimeDir != nullptr && xdgRuntimeDir[0] == '/') {
        std::string folder = xdgRuntimeDir;
        while (!folder.empty() && folder.back() == '/') {
            folder.pop_back();
        }
        return folder + "/quillox";
    }
    return "/tmp/quillox-" + std::to_string(uid);
}

bool MakePrivateFolder(const std::string& folder, std::string& error) {
    if (mkdir(folder.c_str(), 0700) == 0) {
        // The umask may have narrowed the mode; the user needs all of it.
        if (chmod(folder.c_str(), 0700) != 0) {
            error =
                "Cannot set the mode of the folder " + folder + ": " + std::strerror(errno) + ".";
            return false;
        }
        return true;
    }
    if (errno != EEXIST) {
        error = "Cannot make the folder " + folder + ": " + std::strerror(errno) + ".";
        return false;
    }
    struct stat status {};
    if (lstat(folder.c_str(), &status) != 0) {
        error = "Cannot examine the folder " + folder + ": " + std::strerror(errno) + ".";
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        error = folder + " is not a folder.";
        return false;
    }
    if (status.st_uid != geteuid()) {
        error = "The folder " + folder + " belongs to another user.";
        return false;
    }
    if ((status.st_mode & 077) != 0) {
        error = "The folder " + folder + " is open to other users (mode " +
                ModeText(status.st_mode) + ").";
        return false;
    }
    return true;
}

std::optional<std::string> PrepareServiceFolder(std::string& error) {
    std::string folder = ServiceFolderPath(std::getenv("XDG_RUNTIME_DIR"), geteuid());
    if (!MakePrivateFolder(folder, error)) {
        return std::nullopt;
    }
    return folder;
}

std::optional<std::string> ServiceSocketPath(const std::string& folder,
                                             const std::string& service) {
    if (service.empty() || service == "." || service == ".." ||
        service.find_first_of(std::string("/\0", 2)) != std::string::npos) {
        return std::nullopt;
    }
    std::string path = folder + "/" + service;
    if (path.size() >= sizeof(sockaddr_un::sun_path)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace quillox::web
