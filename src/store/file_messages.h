#pragma once

namespace quillox::messages {

// Texts shown to the user while reading and writing data files.
inline constexpr const char* kNotAQuilloxFile = "This is not a Quillox file.";
inline constexpr const char* kEnterPassword = "You must enter a password!";
inline constexpr const char* kWrongPassword = "Password not correct, please try again.";
// A strong file cannot tell a wrong password from a changed file, by design.
inline constexpr const char* kWrongPasswordOrChanged =
    "Password not correct, or the file was changed.";
inline constexpr const char* kWrongPasswordOldFormat = "Password not correct,try again.";
inline constexpr const char* kOutOfMemory = "Out of memory.";
inline constexpr const char* kPasswordNotSet = "The encryption password is not set.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kDecryptionPasswordTitle = "Decryption Password";
inline constexpr const char* kPasswordTooShort = "Password to short, please use more characters!";
inline constexpr const char* kPasswordsDiffer = "Password not correct, try again!";

}  // namespace quillox::messages
