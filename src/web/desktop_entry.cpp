#include "web/desktop_entry.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quillox::web {

namespace {

// Desktop entries are small; a larger file is no entry.
constexpr std::size_t kMaxEntrySize = 1 << 20;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsAbsolute(const char* folder) {
    return folder != nullptr && folder[0] == '/';
}

// The escapes of a desktop entry's string values.
std::string UnescapeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        switch (next) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += next;
        }
    }
    return out;
}

std::optional<std::string_view> ExecValue(std::string_view entryText) {
    bool inMainGroup = false;
    while (!entryText.empty()) {
        const std::size_t end = entryText.find('\n');
        const std::string_view line = Trim(entryText.substr(0, end));
        entryText.remove_prefix(end == std::string_view::npos ? entryText.size() : end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inMainGroup && equals != std::string_view::npos &&
            Trim(line.substr(0, equals)) == "Exec") {
            return Trim(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

std::optional<ArgumentVector> SplitCommand(std::string_view command,
                                           std::optional<std::string_view> url) {
    ArgumentVector arguments;
    std::string current;
    bool inArgument = false;
    bool onlyFieldCodes = true;  // an argument of field codes alone vanishes when they give nothing
    const auto finish = [&] {
        if (inArgument && !(onlyFieldCodes && current.empty())) {
            arguments.push_back(current);
        }
        current.clear();
        inArgument = false;
        onlyFieldCodes = true;
    };
    for (std::size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            finish();
            continue;
        }
        inArgument = true;
        if (c == '"') {
            onlyFieldCodes = false;
            // Inside quotes a backslash escapes only the four characters the
            // format reserves, so a Windows path keeps its backslashes.
            for (++i; i < command.size() && command[i] != '"'; ++i) {
                if (command[i] == '\\' && i + 1 < command.size() &&
                    std::string_view("\"`$\\").find(command[i + 1]) != std::string_view::npos) {
                    ++i;
                }
                current += command[i];
            }
            if (i == command.size()) {
                return std::nullopt;  // no closing quote
            }
        } else if (c == '%' && i + 1 < command.size()) {
            const char code = command[++i];
            if (code == '%') {
                current += '%';
                onlyFieldCodes = false;
            } else if ((code == 'u' || code == 'U' || code == 'f' || code == 'F') && url) {
                current += *url;
            }
        } else {
            current += c;
            onlyFieldCodes = false;
        }
    }
    finish();
    if (arguments.empty() || arguments.front().empty()) {
        return std::nullopt;
    }
    return arguments;
}

}  // namespace

std::optional<std::string> DefaultBrowserEntryId(std::string_view xdgSettingsOutput) {
    static constexpr std::string_view kSuffix = ".desktop";
    const std::string_view id = Trim(xdgSettingsOutput);
    if (id.size() <= kSuffix.size() || id.substr(id.size() - kSuffix.size()) != kSuffix) {
        return std::nullopt;
    }
    for (const char c : id) {
        if (c == '/' || static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) {
            return std::nullopt;
        }
    }
    return std::string(id);
}

std::vector<std::string> DesktopEntryCandidates(std::string_view id, const char* dataHome,
                                                const char* home, const char* dataDirs) {
    std::vector<std::string> folders;
    if (IsAbsolute(dataHome)) {
        folders.emplace_back(dataHome);
    } else if (IsAbsolute(home)) {
        folders.push_back(std::string(home) + "/.local/share");
    }
    std::string_view dirs =
        dataDirs != nullptr && dataDirs[0] != '\0' ? dataDirs : "/usr/local/share:/usr/share";
    while (!dirs.empty()) {
        const std::size_t colon = dirs.find(':');
        const std::string_view folder = dirs.substr(0, colon);
        if (!folder.empty() && folder.front() == '/') {
            folders.emplace_back(folder);
        }
        dirs.remove_prefix(colon == std::string_view::npos ? dirs.size() : colon + 1);
    }
    std::vector<std::string> candidates;
    for (std::string& folder : folders) {
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        candidates.push_back(folder + "/applications/" + std::string(id));
    }
    return candidates;
}

std::optional<std::string> ReadFirstDesktopEntry(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(candidate, error) ||
            std::filesystem::file_size(candidate, error) > kMaxEntrySize || error) {
            continue;
        }
        std::ifstream file(candidate, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.good() || file.eof()) {
            return text;
        }
    }
    return std::nullopt;
}

std::optional<ArgumentVector> SplitExecCommand(std::string_view command) {
    return SplitCommand(command, std::nullopt);
}

std::optional<ArgumentVector> DesktopEntryCommand(std::string_view entryText,
                                                  std::optional<std::string_view> url) {
    const std::optional<std::string_view> exec = ExecValue(entryText);
    if (!exec) {
        return std::nullopt;
    }
    return SplitCommand(UnescapeValue(*exec), url);
}

}  // namespace quillox::web
