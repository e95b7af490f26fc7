#include "web/helper_programs.h"

#include <wx/msgdlg.h>
#include <filesystem>
#include <optional>
#include <system_error>

#include "prefs/settings.h"
#include "web/desktop_entry.h"
#include "web/desktop_programs.h"
#include "web/launch_arguments.h"
#include "web/program_start.h"

namespace quillox::web {

namespace {

void ShowError(wxWindow* parent, const wxString& text) {
    wxMessageBox(text, "Error", wxOK | wxICON_ERROR, parent);
}

bool Start(const std::optional<ArgumentVector>& arguments) {
    return arguments && StartProgram(*arguments);
}

// A path such as "C:\Program Files\Mail\mail.exe" names its program whole;
// only one that names no file is read as a command line.
std::optional<ArgumentVector> HelperArguments(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::u8path(path), error)) {
        return ProgramArguments(path);
    }
    return SplitExecCommand(path);
}

}  // namespace

void LaunchWebBrowser(wxWindow* parent, const std::string& netscapePath,
                      const std::string& explorerPath) {
    const BrowserRoute route = RouteOfChoice(prefs::Read(prefs::kChooseWebBrowser));
    std::optional<ArgumentVector> defaultBrowser;
    if (route == BrowserRoute::kDefaultBrowser) {
        defaultBrowser = DefaultBrowserArguments();
    }
    if (Start(LaunchWwwArguments(route, netscapePath, defaultBrowser, explorerPath))) {
        return;
    }
    ShowError(parent, route == BrowserRoute::kDefaultBrowser
                          ? "Could not start Internet Explorer"
                          : "Could not start Netscape Navigator,application not found,please "
                            "install.");
}

void StartHelperProgram(wxWindow* parent, const std::string& path) {
    if (path.empty()) {
        ShowError(parent,
                  "No program is set for this command. Set its path in Preferences, on the page "
                  "\"Path Settings\".");
        return;
    }
    if (!Start(HelperArguments(path))) {
        ShowError(parent, "The program \"" + wxString::FromUTF8(path) + "\" could not be started.");
    }
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
    StartHelperProgram(parent, path.utf8_string());
}

}  // namespace quillox::web
