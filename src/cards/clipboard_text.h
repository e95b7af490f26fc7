#pragma once

#include <string_view>

namespace quillox {

// Puts a card text (Windows-1252 bytes) on the clipboard as plain text.
// Failures are silent: the clipboard then keeps what it had.
void PutTextOnClipboard(std::string_view text);

}  // namespace quillox
