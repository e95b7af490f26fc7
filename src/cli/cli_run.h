#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/password_source.h"

namespace quillox::cli {

// Runs one call of the tool; returns the exit status. terminal is used for
// passwords unless --password-stdin asks for the input stream.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, PasswordSource& terminal);

}  // namespace quillox::cli
