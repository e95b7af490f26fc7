#pragma once

#include <optional>
#include <string>

// Unix only: where the program's DDE service names become local sockets. The
// folder must be the user's alone, so that no other user can reach the
// program's services or stand in for the browser's, nor take its place first.
namespace quillox::web {

// The environment's say in where the folder is: each value may be null.
struct ServiceFolderEnvironment {
    const char* runtimeDir = nullptr;  // XDG_RUNTIME_DIR
    const char* stateHome = nullptr;   // XDG_STATE_HOME
    const char* home = nullptr;        // HOME, or the user's home from the system
};

// The first of $XDG_RUNTIME_DIR/quillox, $XDG_STATE_HOME/quillox and
// $HOME/.local/state/quillox whose variable holds an absolute path; nothing
// when none does. Only the runtime folder is the system's: the others lie in
// the user's home, where no other user can make them first.
std::optional<std::string> ServiceFolderPath(const ServiceFolderEnvironment& environment);

// Makes folder with mode 0700, or accepts it as it stands when it already is
// the user's own: a directory (not a symbolic link) owned by the effective
// user with no access for group or others. Otherwise false with error saying
// why; nothing is changed in a folder that is refused.
bool MakePrivateFolder(const std::string& folder, std::string& error);

// ServiceFolderPath made private, its missing parents made with mode 0700.
// When a socket's path in it would be too long, a folder with a short,
// unpredictable name in /tmp takes its place, named by the link "short" in
// it, so that the user's other programs find the same one.
std::optional<std::string> PrepareServiceFolder(const ServiceFolderEnvironment& environment,
                                                std::string& error);
// The same for this process's environment and user.
std::optional<std::string> PrepareServiceFolder(std::string& error);

// The socket of service in folder; nothing when the service name is no plain
// file name or the path would not fit a socket address.
std::optional<std::string> ServiceSocketPath(const std::string& folder, const std::string& service);

}  // namespace quillox::web
