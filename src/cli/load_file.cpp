#include "cli/cli_context.h"
#include "store/file_messages.h"

namespace quillox::cli {

std::string EncryptionLabel(bool encrypted, const std::optional<EncryptionForm>& form) {
    if (!encrypted) {
        return "not encrypted";
    }
    if (!form) {
        return "encrypted";
    }
    return *form == EncryptionForm::Strong ? "encrypted, strong form"
                                           : "encrypted, compatible form";
}

std::optional<SecretString> AskPassword(const std::string& prompt, CliContext& context) {
    if (!context.passwords.Available()) {
        context.err << "No terminal to ask for the password; use --password-stdin.\n";
        return std::nullopt;
    }
    return context.passwords.Read(prompt);
}

std::optional<LoadedFile> LoadForCli(const std::string& path, int dateFormat, CliContext& context) {
    LoadedFile loaded{std::make_unique<CardCollection>(), LoadResult()};
    LoadContext load;
    load.fileTitle = FileTitleOf(path);
    load.dateFormat = dateFormat;
    load.showMessage = [&context](const std::string& message) { context.err << message << '\n'; };
    load.askPassword = [&context](const std::string& title) -> std::optional<SecretString> {
        std::optional<SecretString> typed = AskPassword(title + ": ", context);
        if (!typed) {
            return std::nullopt;
        }
        std::string error;
        std::optional<SecretString> password = ToFilePassword(*typed, error);
        if (!password) {
            context.err << error << '\n';
        }
        return password;
    };
    loaded.result = LoadCardFileFromPath(path, *loaded.collection, load);
    if (!loaded.result.ok) {
        context.err << messages::kFailedToOpen << '\n';
        return std::nullopt;
    }
    return loaded;
}

}  // namespace quillox::cli
