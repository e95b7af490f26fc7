#include "web/launch_arguments.h"

namespace quillox::web {

BrowserRoute RouteOfChoice(long chooseWebBrowser) {
    return chooseWebBrowser == 0 ? BrowserRoute::kChosenProgram : BrowserRoute::kDefaultBrowser;
}

bool IsSafeAddressArgument(std::string_view address) {
    return !address.empty() && address.front() != '-';
}

std::optional<ArgumentVector> ProgramArguments(const std::string& path,
                                               std::optional<std::string_view> address) {
    if (path.empty() || (address && !IsSafeAddressArgument(*address))) {
        return std::nullopt;
    }
    ArgumentVector arguments = {path};
    if (address) {
        arguments.emplace_back(*address);
    }
    return arguments;
}

std::optional<ArgumentVector> LaunchWwwArguments(
    BrowserRoute route, const std::string& netscapePath,
    const std::optional<ArgumentVector>& defaultBrowserCommand, const std::string& explorerPath) {
    if (route == BrowserRoute::kChosenProgram) {
        return ProgramArguments(netscapePath);
    }
    if (defaultBrowserCommand) {
        return defaultBrowserCommand;
    }
    return ProgramArguments(explorerPath);
}

}  // namespace quillox::web
