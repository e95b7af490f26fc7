#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quillox::testing {

// Whether the file may be read and written by its owner and nobody else;
// when not, the failure shows who may.
::testing::AssertionResult OwnerOnly(const std::string& path);

// Lets everyone read and write the file, as a shared file would.
void OpenToEveryone(const std::string& path);

}  // namespace quillox::testing
