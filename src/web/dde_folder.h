#pragma once

#include <memory>
#include <optional>
#include <string>

#include "web/dde_transport.h"

namespace quillox::web {

// The folder of the conversation's names and of the files made for the
// browser's viewer queries; nothing, with error saying why, when there is
// none the user alone may use.
std::optional<std::string> DdeFolder(std::string& error);

// The system's transport serving names in that folder: DDE itself on
// Windows, local sockets in its wire format elsewhere.
std::unique_ptr<DdeTransport> MakePlatformDdeTransport(const std::string& folder);

}  // namespace quillox::web
