#include "web/desktop_programs.h"

namespace quillox::web {

std::string DesktopOpenerProgram() {
    return std::string();
}

std::optional<ArgumentVector> DefaultBrowserArguments() {
    return std::nullopt;
}

const char* NoOpenerMessage() {
    return "No program could open the web page.";
}

}  // namespace quillox::web
