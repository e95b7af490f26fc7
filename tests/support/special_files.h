#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillox::testing {

// Paths of things that are no regular file and no folder, made in folder
// where the system needs them made: a pipe nobody writes to, a device.
std::vector<std::string> MakeSpecialFiles(const std::filesystem::path& folder);

}  // namespace quillox::testing
