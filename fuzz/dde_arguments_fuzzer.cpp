// Encodes fuzzed argument lists and checks that decoding gives every value
// back: numbers, truths and quoted texts whatever they hold, plain texts as
// far as their format can carry them (no comma, no leading quote), missing
// values as their type's default.
//
// Input: per argument, one byte choosing its type (and whether it is
// missing), then for a text one byte of length and the text's bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "web/dde_arguments.h"

namespace {

using quillox::web::DdeValue;
using quillox::web::DdeValues;

constexpr const char* kTokens[] = {"DW", "QCS", "CS", "BL"};

// A plain text cannot hold a comma, and one that begins with a quote reads
// as a quoted text.
std::string PlainText(std::string text) {
    for (char& c : text) {
        if (c == ',') {
            c = ';';
        }
    }
    if (!text.empty() && text[0] == '"') {
        text[0] = '\'';
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string format;
    DdeValues values;
    DdeValues expected;
    std::size_t pos = 0;
    while (pos < size && values.size() < 16) {
        const std::uint8_t choice = data[pos++];
        const int type = choice % 4;
        const bool missing = (choice & 0x80) != 0;
        std::string text;
        if (type == 1 || type == 2) {
            const std::size_t length = pos < size ? data[pos++] : 0;
            const std::size_t taken = length < size - pos ? length : size - pos;
            text.assign(reinterpret_cast<const char*>(data + pos), taken);
            pos += taken;
        }
        if (!format.empty()) {
            format += ',';
        }
        format += kTokens[type];
        const std::uint32_t number = static_cast<std::uint32_t>(choice) * 16777619u;
        DdeValue value;
        switch (type) {
            case 0:
                value = number;
                break;
            case 1:
                value = text;
                break;
            case 2:
                value = PlainText(text);
                break;
            default:
                value = (choice & 1) != 0;
                break;
        }
        if (missing) {
            values.emplace_back();
            expected.push_back(type == 0   ? DdeValue(0u)
                               : type == 3 ? DdeValue(false)
                                           : DdeValue(std::string()));
        } else {
            values.push_back(value);
            expected.push_back(value);
        }
    }
    if (values.empty()) {
        return 0;
    }
    const std::string list = quillox::web::EncodeDdeArguments(format, values);
    if (quillox::web::DecodeDdeArguments(format, list) != expected) {
        __builtin_trap();
    }
    return 0;
}
