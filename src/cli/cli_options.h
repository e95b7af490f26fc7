#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillox::cli {

enum class Command { Help, Version, Show, Convert };

struct Options {
    Command command = Command::Help;
    std::vector<std::string> files;
    bool json = false;
    int dateFormat = 0;
    bool passwordFromStdin = false;
    std::optional<bool> encrypt;  // convert: --encrypt or --plain
};

// Parses the arguments after the program name; nothing, with error set, when
// they do not form a valid call.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace quillox::cli
