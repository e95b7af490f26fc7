#pragma once

#include <optional>
#include <string>

namespace quillox::web {

// The folder of the conversation's names and of the files made for the
// browser's viewer queries; nothing, with error saying why, when there is
// none the user alone may use.
std::optional<std::string> DdeFolder(std::string& error);

}  // namespace quillox::web
