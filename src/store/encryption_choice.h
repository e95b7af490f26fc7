#pragma once

#include <string>

#include "store/card_collection.h"
#include "store/encryption_form.h"
#include "store/secret_string.h"

namespace quillox {

// The encryption state of a document as the File Encryption dialog found it.
struct EncryptionState {
    bool encryptOnSave = false;
    SecretString password;
    EncryptionForm form = EncryptionForm::Strong;
};

// What the user left in the dialog when pressing OK.
struct EncryptionEntry {
    bool ticked = false;
    SecretString first;
    SecretString second;
    EncryptionForm form = EncryptionForm::Strong;
};

// What pressing OK in the File Encryption dialog does to a document's
// encryption state.
struct EncryptionOutcome {
    bool encryptOnSave = false;
    SecretString password;
    EncryptionForm form = EncryptionForm::Strong;
    bool markModified = false;
    const char* message = nullptr;  // a text from file_messages.h to show, or none
};

// The passwords typed are only taken when the two entries agree and are long
// enough, and the form chosen only with them; otherwise the state from before
// the dialog stays, so a typo never turns an encrypted document into a plain
// one or changes the form its file is written in.
EncryptionOutcome ApplyEncryptionChoice(const EncryptionState& before,
                                        const EncryptionEntry& entry);

// The form the dialog offers a document: its own once it has had a key (read
// from its file or chosen with one), else the form new files are given.
EncryptionForm OfferedEncryptionForm(const SecretString& password, EncryptionForm own,
                                     EncryptionForm forNewFiles);

// A document shows as locked when its next save will be encrypted with a key.
bool IsLocked(bool encryptOnSave, const SecretString& password);

// The category bar's lock text: "Unlocked", or "Locked" with the form.
std::string LockStatusText(bool locked, EncryptionForm form);

// Whether the cards fit the compatible form, whichever form the collection has.
bool FitsCompatibleForm(const CardCollection& collection);

// Whether the next save is one the compatible form must refuse for its size:
// encrypted with a key, in that form, with more cards than it holds.
bool OutgrowsCompatibleForm(const CardCollection& collection);

}  // namespace quillox
