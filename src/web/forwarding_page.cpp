#include "web/forwarding_page.h"

#include <cstdio>
#include <optional>

#include "web/ascii_text.h"

namespace quillox::web {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

std::string Hex(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Text inside a double-quoted attribute or an element: only the characters
// that could end it or start markup are named by reference, and control
// characters by number, so the text reads back exactly.
std::string HtmlEscaped(std::string_view text) {
    std::string escaped;
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        switch (byte) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c < 0x20 || c == 0x7F ? Hex("&#%u;", c) : std::string(1, byte);
        }
    }
    return escaped;
}

// A script string literal inside an HTML script element: everything but
// letters, digits and a few harmless characters as \u escapes, so neither
// quotes, backslashes, line ends nor "</script>" survive as themselves. UTF-8
// sequences pass whole.
std::string ScriptString(std::string_view text) {
    std::string literal = "\"";
    for (const char byte : text) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain =
            c >= 0x80 || IsUnreserved(c) ||
            std::string_view(":/?#[]@!$()*+,;=%").find(byte) != std::string_view::npos;
        literal += plain ? std::string(1, byte) : Hex("\\u%04X", c);
    }
    // The two line separators of script, which UTF-8 carries as E2 80 A8/A9.
    for (const char* separator : {"\xE2\x80\xA8", "\xE2\x80\xA9"}) {
        for (std::size_t at; (at = literal.find(separator)) != std::string::npos;) {
            literal.replace(at, 3, separator[2] == '\xA8' ? "\\u2028" : "\\u2029");
        }
    }
    return literal + "\"";
}

std::optional<std::string_view> SchemeOf(std::string_view address) {
    const std::size_t colon = address.find("://");
    if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(address[0])) {
        return std::nullopt;
    }
    const std::string_view scheme = address.substr(0, colon);
    for (const char c : scheme) {
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
            return std::nullopt;
        }
    }
    return scheme;
}

}  // namespace

bool CarriesCredentials(std::string_view address) {
    const std::optional<std::string_view> scheme = SchemeOf(address);
    if (!scheme) {
        return false;
    }
    const std::string_view rest = address.substr(scheme->size() + 3);
    const std::string_view authority = rest.substr(0, rest.find_first_of("/?#\\"));
    return authority.find('@') != std::string_view::npos;
}

bool IsForwardable(std::string_view address) {
    const std::optional<std::string_view> scheme = SchemeOf(address);
    if (!scheme) {
        return false;
    }
    for (const std::string_view known : {"http", "https", "ftp", "telnet"}) {
        if (EqualsIgnoringAsciiCase(*scheme, known)) {
            return true;
        }
    }
    return false;
}

std::string ForwardingPage(std::string_view address) {
    const std::string attribute = HtmlEscaped(address);
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
           "<meta name=\"referrer\" content=\"no-referrer\">\n"
           "<meta http-equiv=\"refresh\" content=\"0;url=" +
           attribute + "\">\n<title>Quillox</title>\n<script>window.location.replace(" +
           ScriptString(address) + ");</script>\n</head><body><p><a href=\"" + attribute +
           "\">Continue</a></p></body></html>\n";
}

std::string FileAddress(std::string_view path) {
    std::string address = "file://";
    for (const char byte : path) {
        const auto c = static_cast<unsigned char>(byte);
        address += IsUnreserved(c) || byte == '/' ? std::string(1, byte) : Hex("%%%02X", c);
    }
    return address;
}

}  // namespace quillox::web
