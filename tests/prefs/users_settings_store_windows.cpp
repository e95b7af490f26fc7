// The registry headers take wxWidgets' basic types as given.
#include <wx/config.h>
#include <wx/msw/regconf.h>

#include "prefs/users_settings_store.h"

namespace quillox::testing {

// The sandbox's own HKEY_CURRENT_USER\Software\QMT\Quillox.
std::unique_ptr<wxConfigBase> UsersSettingsStore(const std::filesystem::path&) {
    return std::make_unique<wxRegConfig>("Quillox", "QMT", wxEmptyString, wxEmptyString,
                                         wxCONFIG_USE_LOCAL_FILE);
}

}  // namespace quillox::testing
