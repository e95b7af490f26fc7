#include "output/note_split.h"

namespace quillox::output {

namespace {

constexpr std::size_t kLineBytes = 70;

std::size_t BreakPosition(std::string_view note) {
    if (note.size() == kLineBytes || note[kLineBytes] == ' ') {
        return kLineBytes;
    }
    if (note[kLineBytes - 1] == ' ') {
        return kLineBytes - 1;
    }
    const std::size_t space = note.find_last_of(' ', kLineBytes - 2);
    return space != std::string_view::npos && space >= 1 ? space : kLineBytes;
}

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

NoteLines SplitNote(std::string_view note) {
    if (note.size() < kLineBytes) {
        return {std::string(note), std::string()};
    }
    const std::size_t split = BreakPosition(note);
    std::size_t rest = split;
    while (rest < note.size() && IsWhiteSpace(note[rest])) {
        ++rest;
    }
    return {std::string(note.substr(0, split)), std::string(note.substr(rest))};
}

}  // namespace quillox::output
