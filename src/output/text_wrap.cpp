#include "output/text_wrap.h"

namespace quillox::output {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

// The end of the character that starts at position.
std::size_t NextCharacter(std::string_view text, std::size_t position) {
    ++position;
    while (position < text.size() && IsContinuationByte(text[position])) {
        ++position;
    }
    return position;
}

// The longest prefix of text, ending on a character boundary, that fits in
// width; at least one character. Widths grow with the prefix, so a binary
// search over the character ends finds it with few measurements.
std::size_t FittingPrefix(std::string_view text, int width, const TextMeasure& measure) {
    std::vector<std::size_t> ends;
    for (std::size_t end = 0; end < text.size();) {
        end = NextCharacter(text, end);
        ends.push_back(end);
    }
    std::size_t fits = 0;
    std::size_t low = 1;
    std::size_t high = ends.size() - 1;
    while (low <= high) {
        const std::size_t middle = low + (high - low) / 2;
        if (measure.Width(text.substr(0, ends[middle])) <= width) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    return ends[fits];
}

void WrapParagraph(std::string_view text, int width, const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    if (text.empty()) {
        lines.emplace_back();
        return;
    }
    while (!text.empty()) {
        if (measure.Width(text) <= width) {
            lines.emplace_back(text);
            return;
        }
        std::size_t end = FittingPrefix(text, width, measure);
        // A space right after the fitting part, or the last one inside it,
        // makes a break between words; the space stays on the first line.
        if (end < text.size() && text[end] == ' ') {
            ++end;
        } else if (const std::size_t space = text.find_last_of(' ', end - 1);
                   space != std::string_view::npos && space > 0) {
            end = space + 1;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

}  // namespace

std::vector<std::string> WrapText(std::string_view utf8, int width, const TextMeasure& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '\r' && utf8[i] != '\n') {
            continue;
        }
        WrapParagraph(utf8.substr(start, i - start), width, measure, lines);
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    WrapParagraph(utf8.substr(start), width, measure, lines);
    return lines;
}

}  // namespace quillox::output
