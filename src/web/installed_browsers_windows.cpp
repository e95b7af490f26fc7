// The registry header takes wxWidgets' basic types as given.
#include <wx/buffer.h>
#include <wx/string.h>

#include <wx/msw/registry.h>

#include "web/installed_browsers.h"
#include "web/windows_browsers.h"

namespace quillox::web {

namespace {

std::optional<std::string> DefaultValue(wxRegKey::StdKey root, const wxString& name) {
    wxRegKey key(root, name);
    if (!key.Exists()) {
        return std::nullopt;
    }
    wxString value;
    key.QueryValue(wxString(), value);
    return value.utf8_string();
}

// A program registered for this user or for the machine.
std::optional<std::string> AppPath(const char* program) {
    const wxString name =
        wxString("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\") + program;
    if (std::optional<std::string> mine = DefaultValue(wxRegKey::HKCU, name)) {
        return mine;
    }
    return DefaultValue(wxRegKey::HKLM, name);
}

// The open command of the program the user chose for http addresses, or of
// the http class when no choice was made.
std::string DefaultHttpCommand() {
    wxRegKey choice(wxRegKey::HKCU,
                    "Software\\Microsoft\\Windows\\Shell\\Associations\\"
                    "UrlAssociations\\http\\UserChoice");
    wxString progId;
    if (choice.Exists() && choice.QueryValue("ProgId", progId) && !progId.empty()) {
        if (auto command = DefaultValue(wxRegKey::HKCR, progId + "\\shell\\open\\command")) {
            return *command;
        }
    }
    return DefaultValue(wxRegKey::HKCR, "http\\shell\\open\\command").value_or(std::string());
}

}  // namespace

DetectedBrowsers FindInstalledBrowsers() {
    WindowsBrowserRecords records;
    records.internetExplorer = AppPath("IEXPLORE.EXE");
    records.netscape = AppPath("Netscape.exe");
    records.defaultHttpCommand = DefaultHttpCommand();
    for (const char* program : {"msedge.exe", "chrome.exe", "firefox.exe"}) {
        if (std::optional<std::string> path = AppPath(program)) {
            records.otherBrowsers.push_back(*path);
        }
    }
    return ChooseWindowsBrowsers(records);
}

}  // namespace quillox::web
