#include "web/default_browser.h"

#include <cstdlib>

#include "web/browser_detection.h"
#include "web/desktop_entry.h"
#include "web/program_output.h"

namespace quillox::web {

std::optional<ArgumentVector> DefaultBrowserCommand(std::optional<std::string_view> url,
                                                    std::string_view pathVariable,
                                                    const char* dataHome, const char* home,
                                                    const char* dataDirs) {
    const std::string xdgSettings = FindProgram("xdg-settings", pathVariable, IsExecutableFile);
    if (xdgSettings.empty()) {
        return std::nullopt;
    }
    const std::optional<std::string> answer =
        ProgramOutput({xdgSettings, "get", "default-web-browser"}, kDefaultBrowserQueryMs);
    const std::optional<std::string> id = answer ? DefaultBrowserEntryId(*answer) : std::nullopt;
    if (!id) {
        return std::nullopt;
    }
    const std::optional<std::string> entry =
        ReadFirstDesktopEntry(DesktopEntryCandidates(*id, dataHome, home, dataDirs));
    if (!entry) {
        return std::nullopt;
    }
    std::optional<ArgumentVector> command = DesktopEntryCommand(*entry, url);
    if (!command || command->empty()) {
        return std::nullopt;
    }
    // An entry naming its program without a folder starts it from PATH.
    std::string program = FindProgram(command->front(), pathVariable, IsExecutableFile);
    if (program.empty()) {
        return std::nullopt;
    }
    command->front() = std::move(program);
    return command;
}

std::optional<ArgumentVector> DefaultBrowserCommand(std::optional<std::string_view> url) {
    const char* path = std::getenv("PATH");
    return DefaultBrowserCommand(url, path != nullptr ? path : "", std::getenv("XDG_DATA_HOME"),
                                 std::getenv("HOME"), std::getenv("XDG_DATA_DIRS"));
}

}  // namespace quillox::web
