#include "web/browser_setup.h"

#include <wx/msgdlg.h>
#include <cstdlib>
#include <optional>

#include "prefs/settings.h"
#include "web/browser_detection.h"

#if defined(_WIN32)
#include <wx/msw/registry.h>
#else
#include "web/default_browser.h"
#endif

namespace quillox::web {

namespace {

#if defined(_WIN32)
// The browsers that register their program under App Paths, the usual ones first.
DetectedBrowsers FindBrowsers() {
    static const char* const kPrograms[] = {"msedge.exe", "chrome.exe", "firefox.exe",
                                            "IEXPLORE.EXE"};
    DetectedBrowsers found;
    for (const char* program : kPrograms) {
        wxRegKey key(
            wxRegKey::HKLM,
            wxString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + program);
        wxString path;
        if (!key.Exists() || !key.QueryValue(wxString(), path) || path.empty()) {
            continue;
        }
        path.Replace("\"", "");
        if (found.explorerPath.empty()) {
            found.explorerPath = path.utf8_string();
        } else {
            found.netscapePath = path.utf8_string();
            break;
        }
    }
    return found;
}
#else
DetectedBrowsers FindBrowsers() {
    const char* path = std::getenv("PATH");
    return DetectBrowsers(DefaultBrowserCommand(std::nullopt).value_or(ArgumentVector()),
                          path != nullptr ? path : "", IsExecutableFile);
}
#endif

}  // namespace

void RecordInstalledBrowsers(wxWindow* parent) {
    const DetectedBrowsers found = FindBrowsers();
    if (!found.Found()) {
        wxMessageBox("No Web Browsers are installed, please do so.", "Error", wxOK | wxICON_ERROR,
                     parent);
    }
    prefs::Write(prefs::kExplorerFilePath, wxString::FromUTF8(found.explorerPath));
    prefs::Write(prefs::kNetscapeFilePath, wxString::FromUTF8(found.netscapePath));
    prefs::Write(prefs::kChooseWebBrowser, 1);
}

}  // namespace quillox::web
