#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/card_file.h"
#include "store/strong_form.h"

// What both fuzz targets check: whatever loads, saves, loads again and saves
// again to the same bytes; a load or save that fails is no fault.
namespace quillox::fuzz {

using Bytes = std::vector<unsigned char>;

inline constexpr const char* kPassword = "password";
// Strong files cost the fuzzer next to nothing: the least Argon2id allows,
// and a reader that refuses anything dearer, so that no input can make it
// fill gigabytes.
inline constexpr KdfCost kFuzzKdfCost{1, 8192};
inline constexpr KdfCost kFuzzKdfCeiling{2, 65536};

inline LoadContext Answering(std::optional<std::string> password, int* asked = nullptr) {
    LoadContext context;
    context.fileTitle = "fuzz.qxe";
    context.kdfCeiling = kFuzzKdfCeiling;
    context.showMessage = [](const std::string&) {};
    context.askPassword = [password, asked](const std::string&) -> std::optional<SecretString> {
        if (asked != nullptr) {
            ++*asked;
        }
        if (!password) {
            return std::nullopt;
        }
        return SecretString(*password);
    };
    return context;
}

inline int CountCards(const CardCollection& collection) {
    int count = collection.Deleted().Count();
    for (int id = 0; id < kCategoryCount; ++id) {
        count += collection.Category(id).Count();
    }
    return count;
}

inline std::optional<Bytes> Saved(CardCollection& collection) {
    collection.SetKdfCost(kFuzzKdfCost);
    Bytes image;
    if (!SaveCardFile(collection, image, nullptr)) {
        return std::nullopt;
    }
    return image;
}

// The plain image of what collection holds.
inline Bytes PlainSaved(CardCollection& collection) {
    const bool encrypt = collection.GetEncryptOnSave();
    collection.SetEncryptOnSave(false);
    const std::optional<Bytes> image = Saved(collection);
    collection.SetEncryptOnSave(encrypt);
    if (!image) {
        __builtin_trap();
    }
    return *image;
}

// Saves the loaded collection, loads the image and saves again: both images
// must be the same bytes. A strong save draws a fresh salt and nonce, so
// there the cards are compared in the clear.
inline void CheckRoundTrip(CardCollection& loaded) {
    const std::optional<Bytes> first = Saved(loaded);
    if (!first) {
        return;
    }
    CardCollection again;
    const LoadContext context = Answering(std::string(kPassword));
    if (!LoadCardFile(first->data(), first->size(), again, context).ok) {
        __builtin_trap();
    }
    const std::optional<Bytes> second = Saved(again);
    if (!second) {
        __builtin_trap();
    }
    const bool strong =
        loaded.GetEncryptOnSave() && loaded.GetEncryptionForm() == EncryptionForm::Strong;
    if (strong ? PlainSaved(again) != PlainSaved(loaded) : *second != *first) {
        __builtin_trap();
    }
}

}  // namespace quillox::fuzz
