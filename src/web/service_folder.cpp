#include "web/service_folder.h"

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "web/parent_folders.h"

namespace quillox::web {

namespace {

std::string ModeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

bool IsAbsolute(const char* path) {
    return path != nullptr && path[0] == '/';
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

}  // namespace

std::optional<std::string> ServiceFolderPath(const ServiceFolderEnvironment& environment) {
    if (IsAbsolute(environment.runtimeDir)) {
        return WithoutTrailingSlashes(environment.runtimeDir) + "/quillox";
    }
    if (IsAbsolute(environment.stateHome)) {
        return WithoutTrailingSlashes(environment.stateHome) + "/quillox";
    }
    if (IsAbsolute(environment.home)) {
        return WithoutTrailingSlashes(environment.home) + "/.local/state/quillox";
    }
    return std::nullopt;
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

namespace {

// The longest service name the program uses or serves: "Quillox" and a
// counter of up to ten digits; "IExplore" is shorter.
constexpr std::size_t kLongestServiceName = 17;

bool FitsSockets(const std::string& folder) {
    return folder.size() + 1 + kLongestServiceName < sizeof(sockaddr_un::sun_path);
}

// An existing folder that is the user's alone; false, changing nothing, otherwise.
bool IsPrivateFolder(const std::string& folder) {
    struct stat status {};
    return lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == geteuid() && (status.st_mode & 077) == 0;
}

// The short folder that folder's link "short" names, made anew when the link
// names none that is the user's alone.
std::optional<std::string> ShortFolder(const std::string& folder, std::string& error) {
    const std::string link = folder + "/short";
    char target[256];
    const ssize_t length = readlink(link.c_str(), target, sizeof target - 1);
    if (length > 0) {
        const std::string named(target, static_cast<std::size_t>(length));
        if (named.rfind("/tmp/quillox-", 0) == 0 && FitsSockets(named) && IsPrivateFolder(named)) {
            return named;
        }
    }
    char made[] = "/tmp/quillox-XXXXXX";
    if (mkdtemp(made) == nullptr) {
        error = std::string("Cannot make a folder in /tmp: ") + std::strerror(errno) + ".";
        return std::nullopt;
    }
    if (unlink(link.c_str()) != 0 && errno != ENOENT) {
        error = "Cannot replace " + link + ": " + std::strerror(errno) + ".";
        rmdir(made);
        return std::nullopt;
    }
    if (symlink(made, link.c_str()) != 0) {
        error = "Cannot make " + link + ": " + std::strerror(errno) + ".";
        rmdir(made);
        return std::nullopt;
    }
    return std::string(made);
}

}  // namespace

std::optional<std::string> PrepareServiceFolder(const ServiceFolderEnvironment& environment,
                                                std::string& error) {
    const std::optional<std::string> folder = ServiceFolderPath(environment);
    if (!folder) {
        error = "There is no home folder for the service folder.";
        return std::nullopt;
    }
    // The runtime folder is the system's; folders in the home are made here.
    if (!IsAbsolute(environment.runtimeDir) && !MakeParentFolders(*folder, error)) {
        return std::nullopt;
    }
    if (!MakePrivateFolder(*folder, error)) {
        return std::nullopt;
    }
    if (FitsSockets(*folder)) {
        return folder;
    }
    return ShortFolder(*folder, error);
}

std::optional<std::string> PrepareServiceFolder(std::string& error) {
    ServiceFolderEnvironment environment;
    environment.runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    environment.stateHome = std::getenv("XDG_STATE_HOME");
    environment.home = std::getenv("HOME");
    if (!IsAbsolute(environment.home)) {
        if (const passwd* user = getpwuid(geteuid())) {
            environment.home = user->pw_dir;
        }
    }
    return PrepareServiceFolder(environment, error);
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
