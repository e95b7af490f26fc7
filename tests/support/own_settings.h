#pragma once

#include <filesystem>

namespace quillox::testing {

// Points the program's settings at an empty store of the test's own, named
// after root (a folder of the test's that it removes itself), so that no test
// reads or writes the user's settings or another test's. False when it could
// not.
bool UseOwnSettings(const std::filesystem::path& root);

}  // namespace quillox::testing
