#include "store/text_codec.h"

#include <array>
#include <cstdio>

#include "store/secure_wipe.h"

namespace quillox {

namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at position; false for a malformed one
// (overlong forms, surrogates and values past U+10FFFF included).
bool DecodeUtf8(std::string_view text, std::size_t& position, char32_t& out) {
    const auto lead = static_cast<unsigned char>(text[position]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        out = lead;
        ++position;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1Fu, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0Fu, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07u, minimum = 0x10000;
    } else {
        return false;
    }
    if (position + length > text.size()) {
        return false;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[position + i]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return false;
    }
    out = value;
    position += length;
    return true;
}

std::optional<unsigned char> ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<unsigned char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80u];
    }
    return byte;
}

void AppendCp1252AsUtf8(std::string_view bytes, std::string& out) {
    for (const char byte : bytes) {
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(byte)));
    }
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    AppendCp1252AsUtf8(bytes, out);
    return out;
}

std::string CodecError::Describe() const {
    char text[96];
    if (invalidUtf8) {
        std::snprintf(text, sizeof text, "The text is not valid UTF-8 (at byte %zu).", position);
        return text;
    }
    std::string character;
    AppendUtf8(character, codePoint);
    std::snprintf(text, sizeof text, " (U+%04X) cannot be stored in a Quillox file.",
                  static_cast<unsigned>(codePoint));
    return "The character \"" + character + "\"" + text;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8, CodecError* error) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        const std::size_t start = position;
        char32_t c = 0;
        if (!DecodeUtf8(utf8, position, c)) {
            if (error != nullptr) {
                *error = CodecError{start, 0, true};
            }
            // What was converted so far may be part of a password.
            SecureWipe(out);
            return std::nullopt;
        }
        const std::optional<unsigned char> byte = ByteOf(c);
        if (!byte) {
            if (error != nullptr) {
                *error = CodecError{start, c, false};
            }
            SecureWipe(out);
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

std::size_t Utf8CharacterLength(std::string_view utf8, std::size_t position) {
    std::size_t end = position;
    char32_t c = 0;
    return DecodeUtf8(utf8, end, c) ? end - position : 0;
}

std::string Utf8ToCp1252Replacing(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        char32_t c = 0;
        if (!DecodeUtf8(utf8, position, c)) {
            out += replacement;
            ++position;
            continue;
        }
        const std::optional<unsigned char> byte = ByteOf(c);
        out += byte ? static_cast<char>(*byte) : replacement;
    }
    return out;
}

}  // namespace quillox
