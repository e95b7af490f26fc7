#include "support/environment.h"
#include "support/own_settings.h"

namespace quillox::testing {

// The settings file lives in $XDG_CONFIG_HOME.
bool UseOwnSettings(const std::filesystem::path& root) {
    std::error_code error;
    std::filesystem::create_directories(root / "config", error);
    SetEnvironment("XDG_CONFIG_HOME", (root / "config").string());
    return !error;
}

}  // namespace quillox::testing
