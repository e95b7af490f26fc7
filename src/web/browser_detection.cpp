#include "web/browser_detection.h"

#include <array>

#include <sys/stat.h>
#include <unistd.h>

namespace quillox::web {

namespace {

// The browsers looked for on PATH, most widespread first.
constexpr std::array<std::string_view, 16> kUsualBrowsers = {
    "firefox",        "firefox-esr",
    "chromium",       "chromium-browser",
    "google-chrome",  "google-chrome-stable",
    "microsoft-edge", "brave-browser",
    "vivaldi",        "opera",
    "epiphany",       "epiphany-browser",
    "falkon",         "konqueror",
    "midori",         "seamonkey",
};

}  // namespace

bool IsExecutableFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

std::string FindProgram(std::string_view program, std::string_view pathVariable,
                        const ExecutableTest& isExecutable) {
    if (program.empty()) {
        return {};
    }
    if (program.find('/') != std::string_view::npos) {
        const std::string path(program);
        return program.front() == '/' && isExecutable(path) ? path : std::string();
    }
    while (!pathVariable.empty()) {
        const std::size_t colon = pathVariable.find(':');
        std::string folder(pathVariable.substr(0, colon));
        pathVariable.remove_prefix(colon == std::string_view::npos ? pathVariable.size()
                                                                   : colon + 1);
        if (folder.empty() || folder.front() != '/') {
            continue;
        }
        if (folder.back() != '/') {
            folder += '/';
        }
        std::string path = folder + std::string(program);
        if (isExecutable(path)) {
            return path;
        }
    }
    return {};
}

std::string_view CommandProgram(const ArgumentVector& command) {
    if (command.empty()) {
        return {};
    }
    const std::string& first = command.front();
    if (first != "env" && first != "/usr/bin/env" && first != "/bin/env") {
        return first;
    }
    for (std::size_t i = 1; i < command.size(); ++i) {
        const std::string& argument = command[i];
        if (argument == "-u" || argument == "-C" || argument == "--unset" ||
            argument == "--chdir") {
            ++i;  // the option's value follows
        } else if (!argument.empty() && argument.front() != '-' &&
                   argument.find('=') == std::string::npos) {
            return argument;
        }
    }
    return {};
}

DetectedBrowsers DetectBrowsers(const ArgumentVector& defaultBrowserCommand,
                                std::string_view pathVariable, const ExecutableTest& isExecutable) {
    DetectedBrowsers found;
    found.explorerPath =
        FindProgram(CommandProgram(defaultBrowserCommand), pathVariable, isExecutable);
    for (const std::string_view browser : kUsualBrowsers) {
        const std::string path = FindProgram(browser, pathVariable, isExecutable);
        if (path.empty() || path == found.explorerPath) {
            continue;
        }
        if (found.explorerPath.empty()) {
            found.explorerPath = path;
        } else {
            found.netscapePath = path;
            break;
        }
    }
    return found;
}

}  // namespace quillox::web
