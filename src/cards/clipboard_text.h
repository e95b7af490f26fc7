#pragma once

#include <string_view>

namespace quillox {

enum class ClipboardResult { Placed, NotOpened, NotSet };

// Puts a card text (Windows-1252 bytes) on the clipboard as plain text and
// says how it went; the card commands ignore failures, the generator reports them.
ClipboardResult PutTextOnClipboard(std::string_view text);

}  // namespace quillox
