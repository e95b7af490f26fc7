#pragma once

#include <string_view>

// Comparisons of names and address prefixes, which ignore the case of ASCII
// letters only: bytes above 127 are Windows-1252 or UTF-8 and compare exactly.
namespace quillox::web {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix);

}  // namespace quillox::web
