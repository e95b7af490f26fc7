#pragma once

#include "web/program_start.h"

namespace quillox::web {

// Starts program with arguments after the first, each passed as it is, and
// gives wxExecute's answer: 0 when it could not be started.
long ExecuteProgram(const std::string& program, const ArgumentVector& arguments,
                    wxProcess* watcher);

}  // namespace quillox::web
