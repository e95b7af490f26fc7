#pragma once

#include "store/secret_string.h"

namespace quillox {

// What pressing OK in the File Encryption dialog does to a document's
// encryption state.
struct EncryptionOutcome {
    bool encryptOnSave = false;
    SecretString password;
    bool markModified = false;
    const char* message = nullptr;  // a text from file_messages.h to show, or none
};

// The passwords typed are only taken when the two entries agree and are long
// enough; otherwise the state from before the dialog stays, so a typo never
// turns an encrypted document into a plain one.
EncryptionOutcome ApplyEncryptionChoice(bool encryptBefore, const SecretString& passwordBefore,
                                        bool ticked, const SecretString& first,
                                        const SecretString& second);

// A document shows as locked when its next save will be encrypted with a key.
bool IsLocked(bool encryptOnSave, const SecretString& password);

}  // namespace quillox
