#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The argument lists that DDE browsers and their viewers exchange: one verb's
// arguments in the item of a transaction, its answer in the data. A format
// names the type of each argument, comma-separated: "DW" an unsigned 32-bit
// number, "QCS" a quoted text, "CS" a plain text, "BL" a truth value. Texts
// are Windows-1252 bytes, as the peers use them.
namespace quillox::web {

// One argument: missing, a number ("DW"), a text ("QCS", "CS") or a truth ("BL").
using DdeValue = std::variant<std::monostate, std::uint32_t, std::string, bool>;
using DdeValues = std::vector<DdeValue>;

// The list of values under format: "DW" in decimal, "QCS" between double
// quotes with a backslash before every double quote of the text (backslashes
// that end the text follow the closing quote instead), "CS" as it is, "BL" as TRUE or FALSE; a
// missing value leaves its place empty between the commas. Throws std::invalid_argument when the
// format has a token that is none of the four, or the values do not match it in number or type:
// formats are the program's own constants.
std::string EncodeDdeArguments(std::string_view format, const DdeValues& values);

// The text of argument n (counted from 1) as it stands in list, escaped
// quotes keeping their backslash and backslashes after the closing quote
// joined to the text; nothing when the argument is missing (an empty place,
// an empty quoted text, or beyond the end of the list).
std::optional<std::string> DdeArgumentText(std::string_view list, int n);

// One value per token of format, value i read from argument i + 1. Missing
// arguments read as 0, empty text or false; a token that is none of the four
// reads nothing and gives a missing value.
DdeValues DecodeDdeArguments(std::string_view format, std::string_view list);

// The data of a reply: a format of the single token "DW" gives the number as 4
// bytes little-endian, "BL" gives 1 or 0 as 2 bytes little-endian, any other
// format the argument list with its terminating zero byte. Nothing when there
// is no value to send (a missing single value, or an empty list).
std::optional<std::string> EncodeDdeReply(std::string_view format, const DdeValues& values);

// Reads reply data with format, the reverse of EncodeDdeReply. Binary data
// shorter than its value reads as missing; text ends at its first zero byte.
DdeValues DecodeDdeReply(std::string_view format, std::string_view data);

}  // namespace quillox::web
