#include "web/helper_programs.h"

#include <wx/msgdlg.h>
#include <optional>

#include "prefs/settings.h"
#include "web/launch_arguments.h"
#include "web/program_start.h"

#if !defined(_WIN32)
#include "web/default_browser.h"
#endif

namespace quillox::web {

namespace {

void ShowError(wxWindow* parent, const wxString& text) {
    wxMessageBox(text, "Error", wxOK | wxICON_ERROR, parent);
}

bool Start(const std::optional<ArgumentVector>& arguments) {
    return arguments && StartProgram(*arguments);
}

}  // namespace

void LaunchWebBrowser(wxWindow* parent, const std::string& netscapePath,
                      const std::string& explorerPath) {
    const BrowserRoute route = RouteOfChoice(prefs::Read(prefs::kChooseWebBrowser));
    std::optional<ArgumentVector> defaultBrowser;
#if !defined(_WIN32)
    if (route == BrowserRoute::kDefaultBrowser) {
        defaultBrowser = DefaultBrowserCommand(std::nullopt);
    }
#endif
    if (Start(LaunchWwwArguments(route, netscapePath, defaultBrowser, explorerPath))) {
        return;
    }
    ShowError(parent, route == BrowserRoute::kDefaultBrowser
                          ? "Could not start Internet Explorer"
                          : "Could not start Netscape Navigator,application not found,please "
                            "install.");
}

void StartHelperProgram(const std::string& path) {
    Start(ProgramArguments(path));
}

void StartPdfReader(wxWindow* parent) {
    const wxString path = prefs::Read(prefs::kHelpProgFilePath);
    if (path.empty()) {
        wxMessageBox(
            "Acrobat Help Reader not installed, or path not set, go to preferences - path "
            "settings.",
            "Quillox", wxOK, parent);
        return;
    }
    StartHelperProgram(path.utf8_string());
}

}  // namespace quillox::web
