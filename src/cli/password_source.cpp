#include "cli/password_source.h"

#include "cli/secret_line.h"
#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox::cli {

std::optional<SecretString> StreamPasswordSource::Read(const std::string&) {
    return ReadSecretLine([this](char& c) { return static_cast<bool>(in_.get(c)); });
}

std::optional<SecretString> ToFilePassword(const SecretString& utf8, std::string& error) {
    std::optional<std::string> bytes = Utf8ToCp1252(std::string_view(utf8.data(), utf8.size()));
    if (!bytes) {
        // The character itself is not named: it is part of a secret.
        error = "The password holds a character that a Quillox file cannot store.";
        return std::nullopt;
    }
    SecretString secret(bytes->data(), bytes->size());
    SecureWipe(*bytes);
    return secret;
}

}  // namespace quillox::cli
