#pragma once

#include <filesystem>
#include <memory>

#include <wx/config.h>

namespace quillox::testing {

// The settings the program stored for the user of a sandbox under root, read
// directly from where the system keeps them.
std::unique_ptr<wxConfigBase> UsersSettingsStore(const std::filesystem::path& root);

}  // namespace quillox::testing
