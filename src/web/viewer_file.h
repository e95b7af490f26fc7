#pragma once

#include <optional>
#include <string>

namespace quillox::web {

// Creates a new, empty file in folder that no one else can have made or
// predicted (readable and writable by the user only) and gives its full name,
// for a browser to write a download into. Nothing when the file cannot be
// made. Folder should be the user's own: the service folder on Unix, the
// user's temporary folder on Windows.
std::optional<std::string> CreateViewerFile(const std::string& folder);

}  // namespace quillox::web
