#include "web/clipboard_address.h"

#include <array>

#include "web/ascii_text.h"

namespace quillox::web {

namespace {

bool IsSpaceOrControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

}  // namespace

std::optional<std::string> AddressFromClipboard(std::string_view text) {
    while (!text.empty() && IsSpaceOrControl(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpaceOrControl(text.back())) {
        text.remove_suffix(1);
    }
    for (const char c : text) {
        if (IsSpaceOrControl(c)) {
            return std::nullopt;
        }
    }
    static constexpr std::array<std::string_view, 3> kPrefixes = {"http://", "https://", "ftp://"};
    for (const std::string_view prefix : kPrefixes) {
        if (StartsWithIgnoringAsciiCase(text, prefix)) {
            const std::string_view rest = text.substr(prefix.size());
            if (rest.empty() || rest.front() == '/' || rest.front() == '?' || rest.front() == '#') {
                return std::nullopt;
            }
            return std::string(text);
        }
    }
    return std::nullopt;
}

}  // namespace quillox::web
