#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillox::output {

// How wide a text prints, in the units of the page it is laid out on. The
// printer's fonts answer it in the program; tests answer with simple rules.
class TextMeasure {
  public:
    virtual int Width(std::string_view utf8) const = 0;

  protected:
    ~TextMeasure() = default;
};

// Text (UTF-8) broken into lines no wider than width: at each line break
// (CR LF, CR or LF), after the last space that fits, or, in a word wider than
// the line, after the last character that fits. No character is lost; a
// space at a break ends its line. Every line holds at least one character,
// however narrow the width. An empty text is one empty line.
std::vector<std::string> WrapText(std::string_view utf8, int width, const TextMeasure& measure);

}  // namespace quillox::output
