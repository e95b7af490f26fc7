#pragma once

#include <string>

class wxWindow;

// The browser and helper programs the Internet and Help menus, the toolbar's
// browser button and the start-up options start. Paths are UTF-8.
namespace quillox::web {

// Launch WWW: the browser "Choose Web Browser" names, on its home page. 1
// (the default) is the desktop's default browser (its desktop entry, else
// "Explorer File Path"), 0 the program of "Netscape File Path"; each tells
// the user when it cannot be started.
void LaunchWebBrowser(wxWindow* parent, const std::string& netscapePath,
                      const std::string& explorerPath);

// The e-mail, FTP, telnet or news program or the PDF reader. A path that
// names no file may carry arguments, split as a desktop entry's Exec line is
// (no shell). When there is no path or the program cannot be started, the
// user is told, with the path.
void StartHelperProgram(wxWindow* parent, const std::string& path);

// Help Reader: the PDF reader of "HelpProg File Path", read now, so that a
// path just set in the preferences is used at once.
void StartPdfReader(wxWindow* parent);

}  // namespace quillox::web
