#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/blowfish.h"
#include "store/card_collection.h"
#include "store/card_file.h"

// Builds data-file images byte by byte, independently of the store's writer,
// and loads images while recording what the user would have been shown.
namespace quillox::testing {

using Bytes = std::vector<unsigned char>;

struct RawCard {
    std::uint8_t categoryId = 0;
    std::uint8_t attributeFlags = 0;
    std::uint8_t stateFlags = 0;
    std::uint32_t modified = 0;
    std::uint32_t recordTag = 0;
    std::string texts[5];
};

Bytes FileHeader(std::uint8_t version, std::uint8_t encrypted, std::uint32_t carried);
void AppendCard(Bytes& out, const RawCard& card);
void AppendU16(Bytes& out, std::uint16_t value);
void AppendText(Bytes& out, const std::string& text);

// Pads plaintext with zeros to whole blocks and enciphers it.
Bytes EncryptPayload(Bytes plaintext, const std::string& password, StartTables tables);
Bytes Digest(const std::string& password);

struct LegacyCard {
    std::string categoryText;
    std::string dateText;
    std::string fields[4];
    std::string note;
    bool automaticAccess = false;
    bool newBrowserWindow = false;
};
void AppendLegacyCard(Bytes& out, const LegacyCard& card);

struct LoadRun {
    LoadResult result;
    std::vector<std::string> messages;
    std::vector<std::string> promptTitles;
};

// Loads image into collection, answering a password prompt with password
// (nothing means the user cancels).
LoadRun Load(const Bytes& image, CardCollection& collection,
             const std::optional<std::string>& password = std::nullopt,
             const std::string& fileTitle = "cards.qxe", const KdfCost& ceiling = kKdfCeiling);

struct SaveRun {
    bool ok = false;
    Bytes image;
    std::vector<std::string> messages;
};
SaveRun Save(CardCollection& collection);

std::unique_ptr<CardRecord> MakeCard(const std::string& field1, const std::string& field4 = "",
                                     const std::string& note = "");

int CountCards(const CardCollection& collection);

}  // namespace quillox::testing
