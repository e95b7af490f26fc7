#pragma once

#include <string>

namespace quillox::testing {

// Sets or removes a variable of this process's environment, as the program
// under test reads it.
void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);

}  // namespace quillox::testing
