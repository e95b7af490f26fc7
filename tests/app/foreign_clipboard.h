#pragma once

// The clipboard as another program reads it, while this one serves it.
#include <string>
#include <vector>

// The names of the formats the clipboard offers; Windows' predefined text
// format is called "CF_UNICODETEXT".
std::vector<std::string> ForeignClipboardFormats();

// One format's content; text formats come as UTF-8.
std::string ForeignClipboardData(const std::string& format);
