#pragma once

#include <string>

namespace quillox::testing {

// Who may do what with the file at path, as text to compare before and
// after: its mode bits, or its access list.
std::string AccessOf(const std::string& path);

// Whether the file may be read and written by its owner and nobody else.
bool OwnerOnly(const std::string& path);

// Lets everyone read and write the file, as a shared file would.
void OpenToEveryone(const std::string& path);

}  // namespace quillox::testing
