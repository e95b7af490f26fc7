#pragma once

class wxWindow;

namespace quillox::web {

// The one-time look for installed browsers at the first start: "Explorer File
// Path" gets the desktop's default browser (else the first usual browser
// found), "Netscape File Path" another browser found, and "Choose Web
// Browser" becomes 1, the default browser, whatever was found. Tells the
// user when no browser is installed; the paths are written in every case.
void RecordInstalledBrowsers(wxWindow* parent);

}  // namespace quillox::web
