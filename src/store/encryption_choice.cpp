#include "store/encryption_choice.h"

#include <cstddef>

#include "store/card_file.h"
#include "store/file_messages.h"

namespace quillox {

namespace {
// Shorter keys fall to a brute-force search too quickly.
constexpr std::size_t kMinPasswordBytes = 8;
}  // namespace

EncryptionOutcome ApplyEncryptionChoice(const EncryptionState& before,
                                        const EncryptionEntry& entry) {
    EncryptionOutcome outcome;
    outcome.encryptOnSave = entry.ticked;
    outcome.password = before.password;
    outcome.form = before.form;
    if (!entry.ticked) {
        // The old password stays in memory, offered again when the box is ticked.
        outcome.markModified = true;
    } else if (entry.first != entry.second) {
        outcome.encryptOnSave = before.encryptOnSave;
        outcome.message = messages::kPasswordsDiffer;
    } else if (entry.first.size() < kMinPasswordBytes) {
        outcome.message = messages::kPasswordTooShort;
    } else {
        outcome.password = entry.first;
        outcome.form = entry.form;
        outcome.markModified = true;
    }
    return outcome;
}

EncryptionForm OfferedEncryptionForm(const SecretString& password, EncryptionForm own,
                                     EncryptionForm forNewFiles) {
    return password.empty() ? forNewFiles : own;
}

bool IsLocked(bool encryptOnSave, const SecretString& password) {
    return encryptOnSave && !password.empty();
}

std::string LockStatusText(bool locked, EncryptionForm form) {
    if (!locked) {
        return "Unlocked";
    }
    return form == EncryptionForm::Strong ? "Locked (strong)" : "Locked (compatible)";
}

bool FitsCompatibleForm(const CardCollection& collection) {
    return EncryptedPlaintextSize(collection) <= kMaxEncryptedPlaintext;
}

bool OutgrowsCompatibleForm(const CardCollection& collection) {
    return IsLocked(collection.GetEncryptOnSave(), collection.GetFilePassword()) &&
           collection.GetEncryptionForm() == EncryptionForm::Compatible &&
           !FitsCompatibleForm(collection);
}

}  // namespace quillox
