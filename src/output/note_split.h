#pragma once

#include <string>
#include <string_view>

namespace quillox::output {

// A note as printed: at most two lines, the first broken at a space near
// byte 70, the second holding all the rest (not wrapped again).
struct NoteLines {
    std::string first;
    std::string second;
};

NoteLines SplitNote(std::string_view note);

}  // namespace quillox::output
