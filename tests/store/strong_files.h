#pragma once

#include <string>

#include "store/strong_form.h"
#include "store/test_files.h"

// Strong files for the tests, cheap to derive keys for.
namespace quillox::testing {

// The least Argon2id allows: a key in about a millisecond.
inline constexpr KdfCost kFastCost{1, 8192};

// A few cards of several categories, a deleted one among them.
inline void AddSampleCards(CardCollection& collection) {
    auto site = MakeCard("Example site", "S3cret!", "line 1\r\nline 2");
    site->SetField2("https://example.org/");
    site->SetAttributeFlags(3);
    site->SetModified(3000000000u);
    collection.AddCard(0, std::move(site));
    auto bank = MakeCard("Bank", "4711");
    bank->SetCategoryId(7);
    collection.AddCard(7, std::move(bank));
    auto gone = MakeCard("Old mail");
    gone->SetCategoryId(6);
    gone->SetDeleted(true);
    collection.AddToDeleted(std::move(gone));
}

// Sets collection to save strong under password at kFastCost, and saves it.
inline Bytes SaveStrongly(CardCollection& collection, const std::string& password) {
    collection.SetEncryptOnSave(true);
    collection.SetEncryptionForm(EncryptionForm::Strong);
    collection.SetFilePassword(SecretString(password));
    collection.SetKdfCost(kFastCost);
    return Save(collection).image;
}

// The plain image of what collection holds: equal images, equal cards.
inline Bytes PlainImage(CardCollection& collection) {
    const bool encrypt = collection.GetEncryptOnSave();
    collection.SetEncryptOnSave(false);
    Bytes image = Save(collection).image;
    collection.SetEncryptOnSave(encrypt);
    return image;
}

}  // namespace quillox::testing
