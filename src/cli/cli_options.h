#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/encryption_form.h"
#include "store/password_generator.h"

namespace quillox::cli {

enum class Command { Help, Version, Show, Info, Convert, Generate, Export };

struct Options {
    Command command = Command::Help;
    std::vector<std::string> files;
    bool json = false;
    int dateFormat = 0;
    bool passwordFromStdin = false;
    std::optional<bool> encrypt;             // convert: --encrypt or --plain
    std::optional<EncryptionForm> form;      // convert: --form, with --encrypt only
    bool force = false;                      // convert: replace a read-only OUT
    unsigned long length = 10;               // generate: --length
    unsigned long count = 1;                 // generate: --count
    std::optional<PasswordClasses> classes;  // generate: the classes named, if any
    std::optional<bool> xml;                 // export: --xml or --text
    bool printNotes = true;                  // export: off with --no-notes
    bool printAtm = true;                    // export: off with --no-atm
    std::optional<std::string> title;        // export: --title
};

// Parses the arguments after the program name; nothing, with error set, when
// they do not form a valid call.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsage;

}  // namespace quillox::cli
