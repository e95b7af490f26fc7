#pragma once

#include <optional>
#include <string>

#include "web/launch_arguments.h"

// Unix only. What a short query program prints, for the desktop's answers
// (such as its default browser) that only a program can give.
namespace quillox::web {

// Runs arguments (arguments[0] an absolute path, no shell) with no input and
// its errors discarded, and gives what it printed on standard output when it
// ends with status 0 within timeoutMs. A program that takes longer is killed;
// output beyond 64 KiB is cut off. Nothing when it cannot start, fails or
// times out.
std::optional<std::string> ProgramOutput(const ArgumentVector& arguments, int timeoutMs);

}  // namespace quillox::web
