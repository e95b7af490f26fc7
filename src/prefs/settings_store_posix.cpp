#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#include "prefs/settings.h"
#include "prefs/settings_store.h"

namespace quillox::prefs {

namespace {

wxString SettingsFolder() {
    wxString base;
    if (!wxGetEnv("XDG_CONFIG_HOME", &base) || base.empty()) {
        base = wxFileName(wxGetHomeDir(), ".config").GetFullPath();
    }
    return wxFileName(base, "Quillox").GetFullPath();
}

}  // namespace

bool HoldsType(const wxConfigBase&, const wxString&, wxConfigBase::EntryType) {
    return true;
}

std::unique_ptr<wxConfigBase> CreateSettingsStore() {
    wxLogNull quiet;
    const wxString folder = SettingsFolder();
    wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    auto store = std::make_unique<wxFileConfig>(wxEmptyString, wxEmptyString,
                                                wxFileName(folder, "Quillox.conf").GetFullPath(),
                                                wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    // Every write is flushed; a failed one must not come back as an error at exit.
    store->DisableAutoSave();
    // Paths such as $HOME/... are kept as the user typed them.
    store->SetExpandEnvVars(false);
    return store;
}

}  // namespace quillox::prefs
