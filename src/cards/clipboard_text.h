#pragma once

#include <string_view>

namespace quillox {

enum class ClipboardResult { Placed, NotOpened, NotSet };

// Puts a card text (Windows-1252 bytes) on the clipboard as plain text,
// marked secret for clipboard histories (ClipboardPrivacyMarks), and says how
// it went; the card commands ignore failures, the generator reports
// them. After "Clear Clipboard Seconds" the text comes off the clipboard
// again, if the clipboard still holds it.
ClipboardResult PutTextOnClipboard(std::string_view text);

// For the end of the program: takes the text last put on the clipboard off
// it now, if it still waits to be and the clipboard still holds it.
void TakeBackClipboardText();

}  // namespace quillox
