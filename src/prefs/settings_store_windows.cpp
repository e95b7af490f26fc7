#include <wx/log.h>
#include <wx/msw/regconf.h>

#include "prefs/settings.h"
#include "prefs/settings_store.h"

namespace quillox::prefs {

bool HoldsType(const wxConfigBase& store, const wxString& path, wxConfigBase::EntryType type) {
    return store.GetEntryType(path) == type;
}

// HKEY_CURRENT_USER\Software\QMT\Quillox. Without the global flag the
// registry store reads nothing from HKEY_LOCAL_MACHINE.
std::unique_ptr<wxConfigBase> CreateSettingsStore() {
    wxLogNull quiet;
    auto store = std::make_unique<wxRegConfig>("Quillox", "QMT", wxEmptyString, wxEmptyString, 0);
    // Paths such as %ProgramFiles%\... are kept as the user typed them.
    store->SetExpandEnvVars(false);
    return store;
}

}  // namespace quillox::prefs
