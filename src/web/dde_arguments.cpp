#include "web/dde_arguments.h"

#include <limits>
#include <stdexcept>

#include "web/ascii_text.h"

namespace quillox::web {

namespace {

enum class Token { kNumber, kQuoted, kPlain, kTruth, kUnknown };

Token TokenOf(std::string_view token) {
    if (token == "DW") {
        return Token::kNumber;
    }
    if (token == "QCS") {
        return Token::kQuoted;
    }
    if (token == "CS") {
        return Token::kPlain;
    }
    if (token == "BL") {
        return Token::kTruth;
    }
    return Token::kUnknown;
}

std::vector<Token> Tokens(std::string_view format) {
    std::vector<Token> tokens;
    for (;;) {
        const std::size_t comma = format.find(',');
        tokens.push_back(TokenOf(format.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return tokens;
        }
        format.remove_prefix(comma + 1);
    }
}

void EncodeValue(Token token, const DdeValue& value, std::string& out) {
    if (std::holds_alternative<std::monostate>(value)) {
        return;
    }
    const auto* number = std::get_if<std::uint32_t>(&value);
    const auto* text = std::get_if<std::string>(&value);
    const auto* truth = std::get_if<bool>(&value);
    if (token == Token::kNumber && number != nullptr) {
        out += std::to_string(*number);
    } else if (token == Token::kQuoted && text != nullptr) {
        // Backslashes at the very end would escape the closing quote: they
        // follow it instead, where a reader finds them before the comma.
        const std::size_t kept = text->find_last_not_of('\\') + 1;
        out += '"';
        for (std::size_t i = 0; i < kept; ++i) {
            if ((*text)[i] == '"') {
                out += '\\';
            }
            out += (*text)[i];
        }
        out += '"';
        out.append(text->size() - kept, '\\');
    } else if (token == Token::kPlain && text != nullptr) {
        out += *text;
    } else if (token == Token::kTruth && truth != nullptr) {
        out += *truth ? "TRUE" : "FALSE";
    } else {
        throw std::invalid_argument("DDE argument does not match its format");
    }
}

// Where the closing quote of the quoted argument opening at pos stands: the
// first quote without a backslash directly before it, or the end of the list.
std::size_t ClosingQuote(std::string_view list, std::size_t pos) {
    ++pos;
    while (pos < list.size() && !(list[pos] == '"' && list[pos - 1] != '\\')) {
        ++pos;
    }
    return pos;
}

// Where the argument starting at pos ends: at its comma or the end of the
// list. A quoted argument runs to its closing quote before its comma is
// looked for.
std::size_t ArgumentEnd(std::string_view list, std::size_t pos) {
    if (pos < list.size() && list[pos] == '"') {
        pos = ClosingQuote(list, pos);
    }
    const std::size_t comma = list.find(',', pos);
    return comma == std::string_view::npos ? list.size() : comma;
}

std::uint32_t ReadNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    std::uint64_t number = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        number = number * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (number > std::numeric_limits<std::uint32_t>::max()) {
            return std::numeric_limits<std::uint32_t>::max();
        }
    }
    return static_cast<std::uint32_t>(number);
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '"')) {
            out += text[i];
        }
    }
    return out;
}

DdeValue DecodeValue(Token token, const std::optional<std::string>& text) {
    switch (token) {
        case Token::kNumber:
            return text ? ReadNumber(*text) : 0u;
        case Token::kQuoted:
            return text ? Unescape(*text) : std::string();
        case Token::kPlain:
            return text.value_or(std::string());
        case Token::kTruth:
            return text && EqualsIgnoringAsciiCase(*text, "TRUE");
        case Token::kUnknown:
            break;
    }
    return std::monostate();
}

}  // namespace

std::string EncodeDdeArguments(std::string_view format, const DdeValues& values) {
    const std::vector<Token> tokens = Tokens(format);
    if (tokens.size() != values.size()) {
        throw std::invalid_argument("DDE argument count does not match its format");
    }
    std::string list;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0) {
            list += ',';
        }
        EncodeValue(tokens[i], values[i], list);
    }
    return list;
}

std::optional<std::string> DdeArgumentText(std::string_view list, int n) {
    if (n < 1) {
        return std::nullopt;
    }
    std::size_t pos = 0;
    for (int skipped = 1; skipped < n; ++skipped) {
        const std::size_t end = ArgumentEnd(list, pos);
        if (end == list.size()) {
            return std::nullopt;
        }
        pos = end + 1;
    }
    const std::size_t end = ArgumentEnd(list, pos);
    if (end == pos) {
        return std::nullopt;
    }
    if (list[pos] != '"') {
        return std::string(list.substr(pos, end - pos));
    }
    // Only backslashes between the closing quote and the comma: the text's
    // own, moved out of the quotes.
    const std::size_t closing = ClosingQuote(list, pos);
    if (closing + 1 < end && list.find_first_not_of('\\', closing + 1) >= end) {
        return std::string(list.substr(pos + 1, closing - pos - 1)) +
               std::string(list.substr(closing + 1, end - closing - 1));
    }
    // Everything after the opening quote less its last character, which is
    // the closing quote unless something stands between it and the comma.
    const std::string_view quoted = list.substr(pos + 1, end - pos - 1);
    if (quoted.size() <= 1) {
        return std::nullopt;
    }
    return std::string(quoted.substr(0, quoted.size() - 1));
}

DdeValues DecodeDdeArguments(std::string_view format, std::string_view list) {
    const std::vector<Token> tokens = Tokens(format);
    DdeValues values;
    values.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        values.push_back(DecodeValue(tokens[i], DdeArgumentText(list, static_cast<int>(i) + 1)));
    }
    return values;
}

std::optional<std::string> EncodeDdeReply(std::string_view format, const DdeValues& values) {
    const std::vector<Token> tokens = Tokens(format);
    if (tokens.size() == 1 && (tokens[0] == Token::kNumber || tokens[0] == Token::kTruth)) {
        if (values.size() != 1) {
            throw std::invalid_argument("DDE argument count does not match its format");
        }
        std::uint32_t number = 0;
        std::size_t width = 4;
        if (const auto* value = std::get_if<std::uint32_t>(&values[0]);
            value != nullptr && tokens[0] == Token::kNumber) {
            number = *value;
        } else if (const auto* truth = std::get_if<bool>(&values[0]);
                   truth != nullptr && tokens[0] == Token::kTruth) {
            number = *truth ? 1 : 0;
            width = 2;
        } else if (std::holds_alternative<std::monostate>(values[0])) {
            return std::nullopt;
        } else {
            throw std::invalid_argument("DDE argument does not match its format");
        }
        std::string data;
        for (std::size_t i = 0; i < width; ++i) {
            data += static_cast<char>((number >> (8 * i)) & 0xFF);
        }
        return data;
    }
    std::string list = EncodeDdeArguments(format, values);
    if (list.empty()) {
        return std::nullopt;
    }
    list += '\0';
    return list;
}

DdeValues DecodeDdeReply(std::string_view format, std::string_view data) {
    const std::vector<Token> tokens = Tokens(format);
    if (tokens.size() == 1 && (tokens[0] == Token::kNumber || tokens[0] == Token::kTruth)) {
        const std::size_t width = tokens[0] == Token::kNumber ? 4 : 2;
        if (data.size() < width) {
            return {std::monostate()};
        }
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < width; ++i) {
            number |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
        }
        if (tokens[0] == Token::kTruth) {
            return {number != 0};
        }
        return {number};
    }
    return DecodeDdeArguments(format, data.substr(0, data.find('\0')));
}

}  // namespace quillox::web
