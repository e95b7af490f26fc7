#pragma once

#include <string>

#include "web/launch_arguments.h"

class wxProcess;

// Starting the browser and the helper programs: always with an argument
// vector, never through a shell, never waited for.
namespace quillox::web {

// The program to start for path: on Unix an absolute path that can be run,
// or a bare name found in an absolute folder of PATH; on Windows a path that
// can be run. Empty when there is none.
std::string ProgramToStart(const std::string& path);

// What becomes of a started program's error output: the program's own
// (inherited), or nothing, for a program that may print what it was given.
enum class ProgramErrors { kInherited, kDropped };

// Starts arguments (UTF-8; the first the program, see ProgramToStart) and
// returns at once. watcher, when given, hears when the program ends and
// deletes itself then. False, with nothing shown, when the program cannot be
// started; a watcher is then still the caller's.
bool StartProgram(const ArgumentVector& arguments, wxProcess* watcher = nullptr,
                  ProgramErrors errors = ProgramErrors::kInherited);

}  // namespace quillox::web
