#include "store/encryption_choice.h"

#include <cstddef>

#include "store/file_messages.h"

namespace quillox {

namespace {
// Shorter keys fall to a brute-force search too quickly.
constexpr std::size_t kMinPasswordBytes = 8;
}  // namespace

EncryptionOutcome ApplyEncryptionChoice(bool encryptBefore, const SecretString& passwordBefore,
                                        bool ticked, const SecretString& first,
                                        const SecretString& second) {
    EncryptionOutcome outcome;
    outcome.encryptOnSave = ticked;
    outcome.password = passwordBefore;
    if (!ticked) {
        // The old password stays in memory, offered again when the box is ticked.
        outcome.markModified = true;
    } else if (first != second) {
        outcome.encryptOnSave = encryptBefore;
        outcome.message = messages::kPasswordsDiffer;
    } else if (first.size() < kMinPasswordBytes) {
        outcome.message = messages::kPasswordTooShort;
    } else {
        outcome.password = first;
        outcome.markModified = true;
    }
    return outcome;
}

bool IsLocked(bool encryptOnSave, const SecretString& password) {
    return encryptOnSave && !password.empty();
}

}  // namespace quillox
