#pragma once

#include <string_view>

namespace quillox::output {

// Calls line(text, last) for each line of text, in order. Cards keep their
// line breaks as CR LF; a lone CR or LF counts as one break too. A text
// without breaks is one line, an empty text one empty line.
template <typename Line>
void ForEachLine(std::string_view text, Line line) {
    std::size_t start = 0;
    for (std::size_t end = text.find_first_of("\r\n"); end != std::string_view::npos;
         end = text.find_first_of("\r\n", start)) {
        line(text.substr(start, end - start), false);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    line(text.substr(start), true);
}

}  // namespace quillox::output
