#pragma once

#include <wx/string.h>
#include <string>

// The clipboard as another program sees it: what text it holds (UTF-8,
// empty when it holds none), and text copied there as the user would.
std::string ClipboardText();
void PutOnClipboard(const wxString& text);
