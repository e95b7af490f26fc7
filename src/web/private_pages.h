#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Files the browser may read but no other user may: the pages that send the
// browser on to an address with credentials. One folder of the user's own,
// never a shared name in /tmp.
namespace quillox::web {

// The folder: "quillox-pages" in XDG_RUNTIME_DIR (memory, not disk) when that
// is a folder of the user's that no one else may write to, else "quillox/pages" in XDG_CACHE_HOME
// or ~/.cache. Empty when none of them is known. (On Windows: "Quillox\pages" in the first,
// LOCALAPPDATA.)
std::string PrivatePagesFolder(const char* runtimeDir, const char* cacheHome, const char* home);
// The same from this process's environment.
std::string PrivatePagesFolder();

// Writes text to a new file of folder that only the user may read or write
// (0600), making folder (0700) when it is missing. A folder that is a link,
// is not a folder, or belongs to someone else is refused, as is one that
// others may enter, unless it is ours and can be closed to them. The file's
// path, or nothing with the reason in error.
std::optional<std::string> WritePrivatePage(const std::string& folder, std::string_view text,
                                            std::string& error);

// Removes the pages of folder written longer than age ago: those a program
// that ended abruptly left behind.
void RemoveStalePages(const std::string& folder, std::chrono::seconds age);

}  // namespace quillox::web
