#include "web/browser_setup.h"

#include <wx/msgdlg.h>

#include "prefs/settings.h"
#include "web/installed_browsers.h"

namespace quillox::web {

void RecordInstalledBrowsers(wxWindow* parent) {
    const DetectedBrowsers found = FindInstalledBrowsers();
    if (!found.Found()) {
        wxMessageBox("No Web Browsers are installed, please do so.", "Error", wxOK | wxICON_ERROR,
                     parent);
    }
    prefs::Write(prefs::kExplorerFilePath, wxString::FromUTF8(found.explorerPath));
    prefs::Write(prefs::kNetscapeFilePath, wxString::FromUTF8(found.netscapePath));
    prefs::Write(prefs::kChooseWebBrowser, 1);
}

}  // namespace quillox::web
