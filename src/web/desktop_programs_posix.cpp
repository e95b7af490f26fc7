#include "web/default_browser.h"
#include "web/desktop_programs.h"
#include "web/program_start.h"

namespace quillox::web {

std::string DesktopOpenerProgram() {
    return ProgramToStart("xdg-open");
}

std::optional<ArgumentVector> DefaultBrowserArguments() {
    return DefaultBrowserCommand(std::nullopt);
}

const char* NoOpenerMessage() {
    return "No program could open the web page: xdg-open was not found.";
}

}  // namespace quillox::web
