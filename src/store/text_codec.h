#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillox {

// Cards keep Windows-1252 bytes, as the data files do; these convert at the
// edges where Unicode text comes and goes. Every byte has a character: the
// five bytes Windows-1252 leaves undefined stand for the C1 controls of the
// same number, as Windows maps them.

char32_t Cp1252ToCodePoint(unsigned char byte);

std::string Cp1252ToUtf8(std::string_view bytes);
// The same, appended to out: for output written piece by piece.
void AppendCp1252AsUtf8(std::string_view bytes, std::string& out);

// Why a Unicode text cannot become Windows-1252.
struct CodecError {
    std::size_t position = 0;  // byte offset in the UTF-8 input
    char32_t codePoint = 0;    // the character that has no byte
    bool invalidUtf8 = false;  // the input was not UTF-8 at all
    std::string Describe() const;
};

// The Windows-1252 bytes of a UTF-8 text, or nothing with error filled in
// when a character has no byte; nothing is ever substituted.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, CodecError* error = nullptr);

// The length in bytes of the character that starts at position of a UTF-8
// text, or 0 when the bytes there are no well-formed UTF-8: a stray or
// missing continuation byte, an overlong form, a surrogate or a value past
// U+10FFFF.
std::size_t Utf8CharacterLength(std::string_view utf8, std::size_t position);

// For texts that must be written whatever they hold, such as a file name in
// an export's heading: a character without a byte, and every byte that is not
// part of valid UTF-8, becomes replacement.
std::string Utf8ToCp1252Replacing(std::string_view utf8, char replacement = '?');

}  // namespace quillox
