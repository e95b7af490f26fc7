#include "output/text_wrap.h"

#include <algorithm>

#include "output/line_breaks.h"

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

// The ends of a text's first characters, found as far as they are asked for.
class CharacterEnds {
  public:
    explicit CharacterEnds(std::string_view text) : text_(text) {}

    // The end of the first count characters (count >= 1), or of the whole text.
    std::size_t Of(std::size_t count) {
        while (ends_.size() < count && (ends_.empty() || ends_.back() < text_.size())) {
            ends_.push_back(NextCharacter(text_, ends_.empty() ? 0 : ends_.back()));
        }
        return ends_[std::min(count, ends_.size()) - 1];
    }

  private:
    std::string_view text_;
    std::vector<std::size_t> ends_;
};

// The longest prefix of text, ending on a character boundary, that fits in
// width; at least one character. The prefix measured doubles until it no
// longer fits, then a binary search narrows the step: few measurements, and
// none much longer than a line, however long the text.
std::size_t FittingPrefix(std::string_view text, int width, const TextMeasure& measure) {
    CharacterEnds ends(text);
    const auto fits = [&](std::size_t count) {
        return measure.Width(text.substr(0, ends.Of(count))) <= width;
    };
    std::size_t good = 1;
    std::size_t bad = 2;
    while (fits(bad)) {
        if (ends.Of(bad) == text.size()) {
            return text.size();
        }
        good = bad;
        bad *= 2;
    }
    while (bad - good > 1) {
        const std::size_t middle = good + (bad - good) / 2;
        (fits(middle) ? good : bad) = middle;
    }
    return ends.Of(good);
}

void WrapParagraph(std::string_view text, int width, const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    if (text.empty()) {
        lines.emplace_back();
        return;
    }
    while (!text.empty()) {
        std::size_t end = FittingPrefix(text, width, measure);
        if (end == text.size()) {
            lines.emplace_back(text);
            return;
        }
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
    ForEachLine(utf8, [&](std::string_view paragraph, bool) {
        WrapParagraph(paragraph, width, measure, lines);
    });
    return lines;
}

}  // namespace quillox::output
