#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/card_record.h"

// The address Load Web Page hands to the browser. Texts are Windows-1252, as
// cards hold them.
namespace quillox::web {

// text as the user name or password of an address: its characters as UTF-8,
// every byte percent-encoded except the unreserved characters and the
// sub-delimiters, so that "@", ":", "/", "?", "#" and "%" cannot change
// where the address leads. UTF-8 because browsers read percent-encoded
// credentials as UTF-8.
std::string PercentEncodeUserinfo(std::string_view text);

// url with userId and password as its credentials, in place of any it
// carries. Only for http, https, ftp and telnet addresses (the scheme as
// written is kept); any other url comes back unchanged.
std::string AddressWithCredentials(std::string_view url, std::string_view userId,
                                   std::string_view password);

// What Load Web Page opens for card: its URL, with its user id and password
// when it asks for automatic access and is no "WWW Forms" card. Nothing when
// the URL is empty.
std::optional<std::string> LoadWebPageAddress(const CardRecord& card);

}  // namespace quillox::web
