#pragma once

#include <optional>
#include <string>

// Unix only: where the program's DDE service names become local sockets. The
// folder must be the user's alone, so that no other user can reach the
// program's services or stand in for the browser's.
namespace quillox::web {

// $XDG_RUNTIME_DIR/quillox when that variable holds an absolute path, else
// /tmp/quillox-UID.
std::string ServiceFolderPath(const char* xdgRuntimeDir, unsigned long uid);

// Makes folder with mode 0700, or accepts it as it stands when it already is
// the user's own: a directory (not a symbolic link) owned by the effective
// user with no access for group or others. Otherwise false with error saying
// why; nothing is changed in a folder that is refused.
bool MakePrivateFolder(const std::string& folder, std::string& error);

// ServiceFolderPath for this process's environment and user, made private.
std::optional<std::string> PrepareServiceFolder(std::string& error);

// The socket of service in folder; nothing when the service name is no plain
// file name or the path would not fit a socket address.
std::optional<std::string> ServiceSocketPath(const std::string& folder, const std::string& service);

}  // namespace quillox::web
