#pragma once

#include <wx/string.h>
#include <string>
#include <vector>

#include "store/mac_time.h"

namespace quillox::prefs {

// Every value the Preferences sheet edits. Integers keep whatever the store
// held, so that confirming the sheet writes back exactly what it read.
struct PreferenceValues {
    // "General"
    long webBrowser = 0;  // 0 Netscape Navigator, 1 Microsoft Internet Explorer
    long automaticSaveCheck = 0;
    wxString automaticSaveMinutes;
    long showPasswordAlways = 0;
    long dateFormat = 0;  // -1 when no format is selected
    long clearClipboardSeconds = 10;
    long lockAfterIdleMinutes = 0;
    long lockWhenScreenLocks = 1;
    long encryptNewFilesAs = 0;  // 1 compatible, anything else strong
    // "At Start Up"
    long checkOpenFiles = 0;
    long launchWebBrowser = 0;
    long launchFtp = 0;
    long launchEmail = 0;
    long launchTelnet = 0;
    long launchNewsReader = 0;
    // "Path Settings"
    wxString netscapePath;
    wxString mailProgPath;
    wxString ftpPath;
    wxString newsProgPath;
    wxString helpProgPath;
    wxString telnetPath;
    // "Print/XML Preferences"
    long printAtm = 0;
    long printNotes = 0;
};

// Reads the values with the table's defaults, except the two print values,
// which the sheet reads with default 0.
PreferenceValues LoadPreferenceValues();

void SavePreferenceValues(const PreferenceValues& values);

// The date-format list: now rendered with each format of DateFormatTable, in
// its order, as UTF-8.
std::vector<std::string> DateFormatSamples(MacTime now);

}  // namespace quillox::prefs
