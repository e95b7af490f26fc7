#include <wx/fileconf.h>

#include "prefs/users_settings_store.h"

namespace quillox::testing {

std::unique_ptr<wxConfigBase> UsersSettingsStore(const std::filesystem::path& root) {
    const std::filesystem::path file = root / "config" / "Quillox" / "Quillox.conf";
    if (!std::filesystem::is_regular_file(file)) {
        return nullptr;
    }
    return std::make_unique<wxFileConfig>(wxEmptyString, wxEmptyString, file.string(),
                                          wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
}

}  // namespace quillox::testing
