#pragma once

#include <string>
#include <string_view>

#include "output/print_preferences.h"
#include "store/card_collection.h"

namespace quillox::output {

// The text export, byte for byte: a heading with title and date, then one
// section per category in the order of the category bar. Card texts are
// written as stored (Windows-1252); title and date are UTF-8, as the
// platform gives them, and a character the code page lacks becomes '?'.
// Every line feed is written as CR LF, wherever the file is made.
std::string BuildTextExport(const CardCollection& collection, std::string_view title,
                            std::string_view date, const PrintPreferences& preferences);

// Writes the text export to path through a temporary file, readable by its
// owner only. On failure path is left as it was and message holds what to
// tell the user.
bool ExportText(const std::string& path, const CardCollection& collection, std::string_view title,
                std::string_view date, const PrintPreferences& preferences, std::string& message);

}  // namespace quillox::output
