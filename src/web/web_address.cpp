#include "web/web_address.h"

#include <algorithm>
#include <array>

#include "store/category_table.h"
#include "store/text_codec.h"
#include "web/ascii_text.h"

namespace quillox::web {

namespace {

bool StaysInUserinfo(unsigned char c) {
    static constexpr std::string_view kKept = "-._~!$&'()*+,;=";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           kKept.find(static_cast<char>(c)) != std::string_view::npos;
}

bool TakesCredentials(std::string_view scheme) {
    static constexpr std::array<std::string_view, 4> kSchemes = {"http", "https", "ftp", "telnet"};
    for (const std::string_view known : kSchemes) {
        if (EqualsIgnoringAsciiCase(scheme, known)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string PercentEncodeUserinfo(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char byte : Cp1252ToUtf8(text)) {
        const auto c = static_cast<unsigned char>(byte);
        if (StaysInUserinfo(c)) {
            encoded += byte;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0F];
        }
    }
    return encoded;
}

std::string AddressWithCredentials(std::string_view url, std::string_view userId,
                                   std::string_view password) {
    const std::size_t separator = url.find("://");
    if (separator == std::string_view::npos || !TakesCredentials(url.substr(0, separator))) {
        return std::string(url);
    }
    const std::size_t authority = separator + 3;
    std::size_t host = authority;
    const std::size_t authorityEnd = std::min(url.find_first_of("/?#", authority), url.size());
    const std::size_t at = url.substr(authority, authorityEnd - authority).rfind('@');
    if (at != std::string_view::npos) {
        host = authority + at + 1;
    }
    return std::string(url.substr(0, authority)) + PercentEncodeUserinfo(userId) + ":" +
           PercentEncodeUserinfo(password) + "@" + std::string(url.substr(host));
}

std::optional<std::string> LoadWebPageAddress(const CardRecord& card) {
    const std::string_view url = card.GetField2();
    if (url.empty()) {
        return std::nullopt;
    }
    if (card.IsAutomaticAccess() && CategoryDisplayName(card.GetCategoryId()) != "WWW Forms") {
        return AddressWithCredentials(url, card.GetField3(), card.GetField4());
    }
    return std::string(url);
}

}  // namespace quillox::web
