#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillox::web {

// Get Web Page's fallback when no browser answers: users copy the page's
// address from the browser's address bar. The clipboard text, less the white
// space around it, when it is one http, https or ftp address with a host;
// nothing otherwise. Only ASCII decides, so UTF-8 and Windows-1252 text alike
// come back in their own encoding.
std::optional<std::string> AddressFromClipboard(std::string_view text);

}  // namespace quillox::web
