#pragma once

#include <string>
#include <vector>

namespace quillox::cli {

// What the program does first: no core images, private new files, and a
// stop by the user or the system that leaves no temporary file behind.
void PrepareProcess();

// The command's arguments after the program name, in UTF-8 whatever the
// system's own encoding of them.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace quillox::cli
