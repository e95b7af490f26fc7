#pragma once

#include <optional>
#include <string>

#include "web/launch_arguments.h"

// What the desktop offers for opening addresses, which differs between
// systems.
namespace quillox::web {

// The program that opens an address with the user's choice of browser
// (xdg-open), or empty where the system opens addresses itself (Windows,
// through ShellExecute).
std::string DesktopOpenerProgram();

// The default browser's own command, for "Launch Web Browser", where the
// desktop records one; nothing on Windows, where the registry's browser is
// started instead.
std::optional<ArgumentVector> DefaultBrowserArguments();

// What the user is told when nothing could open a web page.
const char* NoOpenerMessage();

}  // namespace quillox::web
