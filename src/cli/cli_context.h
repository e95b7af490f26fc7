#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/password_source.h"
#include "store/card_collection.h"
#include "store/card_file.h"

namespace quillox::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// What a command works with: its output streams and where passwords come from.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    PasswordSource& passwords;
};

struct LoadedFile {
    std::unique_ptr<CardCollection> collection;
    LoadResult result;
};

// Loads a data file as the desktop program does, reporting failures on the
// error stream; nothing when the file could not be opened.
std::optional<LoadedFile> LoadForCli(const std::string& path, int dateFormat, CliContext& context);

// "current format", "Version1.001 format" or "Version1.002 format".
const char* FormatLabel(FileFormat format);

// "not encrypted", or "encrypted" with the form when the file has one.
std::string EncryptionLabel(bool encrypted, const std::optional<EncryptionForm>& form);

// Asks the call's password source; when there is nobody to ask, says how to
// give the password instead. Nothing when no password was given.
std::optional<SecretString> AskPassword(const std::string& prompt, CliContext& context);

}  // namespace quillox::cli
