#pragma once

namespace quillox::prefs {

// The file type "Find Internet Applications Paths" starts with: programs
// end in ".exe" on Windows only.
enum class ProgramFilter { kExecutableFiles = 0, kAllFiles = 1 };
ProgramFilter StartingProgramFilter();

}  // namespace quillox::prefs
