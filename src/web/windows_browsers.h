#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "web/browser_detection.h"

// The one-time look for installed browsers on Windows, decided from what the
// registry holds, so that the choice is tested on every system.
namespace quillox::web {

struct WindowsBrowserRecords {
    // The default values under App Paths\IEXPLORE.EXE and App Paths\Netscape.exe;
    // nothing when the key is missing.
    std::optional<std::string> internetExplorer;
    std::optional<std::string> netscape;
    // The open command of the default browser's http handler; empty when none.
    std::string defaultHttpCommand;
    // App Paths of today's usual browsers (Edge, Chrome, Firefox), in that order.
    std::vector<std::string> otherBrowsers;
};

// Internet Explorer's registered program is the explorer path, as ever;
// without it, the default browser's. The netscape path is Netscape's, else
// the first other browser that is not already the explorer path.
DetectedBrowsers ChooseWindowsBrowsers(const WindowsBrowserRecords& records);

// The program a Windows command line starts: its quoted first part, or the
// text up to the first ".exe" followed by a space, or up to the first space.
std::string ProgramOfWindowsCommand(std::string_view command);

}  // namespace quillox::web
