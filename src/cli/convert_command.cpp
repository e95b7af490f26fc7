#include "cli/commands.h"
#include "store/file_messages.h"

namespace quillox::cli {

namespace {

constexpr std::size_t kMinPasswordBytes = 8;

// The new password for an encrypted output; a person typing is asked twice,
// as the desktop program's dialog does.
std::optional<SecretString> AskNewPassword(CliContext& context) {
    std::optional<SecretString> typed = AskPassword("New password: ", context);
    if (!typed) {
        if (context.passwords.Available()) {
            context.err << "No new password given.\n";
        }
        return std::nullopt;
    }
    if (context.passwords.Interactive()) {
        std::optional<SecretString> again = context.passwords.Read("New password again: ");
        if (!again || *again != *typed) {
            context.err << "Password not correct, try again!\n";
            return std::nullopt;
        }
    }
    std::string error;
    std::optional<SecretString> password = ToFilePassword(*typed, error);
    if (!password) {
        context.err << error << '\n';
        return std::nullopt;
    }
    if (password->size() < kMinPasswordBytes) {
        context.err << messages::kPasswordTooShort << '\n';
        return std::nullopt;
    }
    return password;
}

}  // namespace

int RunConvert(const Options& options, CliContext& context) {
    std::optional<LoadedFile> loaded = LoadForCli(options.files[0], 0, context);
    if (!loaded) {
        return kExitFailure;
    }
    CardCollection& collection = *loaded->collection;
    if (*options.encrypt) {
        collection.SetEncryptionForm(options.form.value_or(EncryptionForm::Strong));
        // Said before a password is asked for that could not be used.
        if (!FitsEncrypted(collection)) {
            context.err << TooBigToEncryptMessage(EncryptedPlaintextSize(collection)) << '\n';
            return kExitFailure;
        }
        std::optional<SecretString> password = AskNewPassword(context);
        if (!password) {
            return kExitFailure;
        }
        collection.SetFilePassword(std::move(*password));
    }
    collection.SetEncryptOnSave(*options.encrypt);
    const bool saved = SaveCardFileToPath(
        collection, options.files[1],
        [&context](const std::string& m) { context.err << m << '\n'; },
        SafeSaveOptions{options.force});
    return saved ? kExitOk : kExitFailure;
}

}  // namespace quillox::cli
