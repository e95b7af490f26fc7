#include "web/windows_browsers.h"

#include <algorithm>
#include <cctype>

namespace quillox::web {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// App Paths values are sometimes written with quotes around the path.
std::string Unquoted(const std::string& path) {
    std::string bare = path;
    bare.erase(std::remove(bare.begin(), bare.end(), '"'), bare.end());
    return bare;
}

}  // namespace

std::string ProgramOfWindowsCommand(std::string_view command) {
    const std::size_t start = command.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return {};
    }
    command.remove_prefix(start);
    if (command.front() == '"') {
        const std::size_t close = command.find('"', 1);
        return std::string(command.substr(1, close == std::string_view::npos ? close : close - 1));
    }
    // An unquoted path may hold spaces: it ends after ".exe".
    const std::string lower = Lower(std::string(command));
    const std::size_t exe = lower.find(".exe");
    if (exe != std::string::npos &&
        (exe + 4 == lower.size() || lower[exe + 4] == ' ' || lower[exe + 4] == '\t')) {
        return std::string(command.substr(0, exe + 4));
    }
    return std::string(command.substr(0, command.find_first_of(" \t")));
}

DetectedBrowsers ChooseWindowsBrowsers(const WindowsBrowserRecords& records) {
    DetectedBrowsers found;
    if (records.internetExplorer && !records.internetExplorer->empty()) {
        found.explorerPath = Unquoted(*records.internetExplorer);
    } else {
        found.explorerPath = ProgramOfWindowsCommand(records.defaultHttpCommand);
    }
    if (records.netscape && !records.netscape->empty()) {
        found.netscapePath = Unquoted(*records.netscape);
        return found;
    }
    for (const std::string& other : records.otherBrowsers) {
        const std::string path = Unquoted(other);
        if (path.empty() || Lower(path) == Lower(found.explorerPath)) {
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
