#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/password_source.h"

namespace quillox::cli {

// Runs one call of the tool; returns the exit status. terminal is used for
// passwords unless --password-stdin asks for fromStdin. Whatever the command,
// its output is flushed and checked, and running out of memory is reported,
// so that no command can end with a failure unsaid.
int RunCli(const std::vector<std::string>& args, PasswordSource& fromStdin, std::ostream& out,
           std::ostream& err, PasswordSource& terminal);

// The same with passwords for --password-stdin read from a stream.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err, PasswordSource& terminal);

}  // namespace quillox::cli
