#include "store/test_files.h"

namespace quillox::testing {

namespace {
void AppendU32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}
}  // namespace

Bytes FileHeader(std::uint8_t version, std::uint8_t encrypted, std::uint32_t carried) {
    Bytes header = {0, version, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, encrypted, 0, 0x70, 0x4C, 0x78, 0x51};
    AppendU32(header, carried);
    return header;
}

void AppendCard(Bytes& out, const RawCard& card) {
    std::uint32_t length = 0;
    for (const auto& text : card.texts) {
        length += static_cast<std::uint32_t>(text.size() + 1);
    }
    out.insert(out.end(), {card.categoryId, 0, card.attributeFlags, card.stateFlags});
    AppendU32(out, card.modified);
    AppendU32(out, card.recordTag);
    AppendU32(out, 0);
    AppendU32(out, 0);
    AppendU32(out, length);
    for (const auto& text : card.texts) {
        out.insert(out.end(), text.begin(), text.end());
        out.push_back(0);
    }
}

void AppendU16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void AppendText(Bytes& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

Bytes EncryptPayload(Bytes plaintext, const std::string& password, StartTables tables) {
    plaintext.resize((plaintext.size() + 7) / 8 * 8, 0);
    BlowfishCipher cipher(reinterpret_cast<const unsigned char*>(password.data()), password.size(),
                          tables);
    cipher.EncryptBlocks(plaintext.data(), plaintext.size() / 8);
    return plaintext;
}

Bytes Digest(const std::string& password) {
    const Sha1Value digest = Sha1Digest::Of(password.data(), password.size());
    return Bytes(digest.begin(), digest.end());
}

void AppendLegacyCard(Bytes& out, const LegacyCard& card) {
    const std::string* shortTexts[] = {&card.categoryText, &card.dateText,  &card.fields[0],
                                       &card.fields[1],    &card.fields[2], &card.fields[3]};
    for (const std::string* text : shortTexts) {
        out.push_back(static_cast<unsigned char>(text->size()));
        AppendText(out, *text);
    }
    AppendU16(out, static_cast<std::uint16_t>(card.note.size()));
    AppendText(out, card.note);
    out.push_back(card.automaticAccess ? 1 : 0);
    out.push_back(card.newBrowserWindow ? 1 : 0);
}

LoadRun Load(const Bytes& image, CardCollection& collection,
             const std::optional<std::string>& password, const std::string& fileTitle,
             const KdfCost& ceiling) {
    LoadRun run;
    LoadContext context;
    context.fileTitle = fileTitle;
    context.kdfCeiling = ceiling;
    context.dateFormat = 4;
    context.showMessage = [&run](const std::string& m) { run.messages.push_back(m); };
    context.askPassword = [&run,
                           &password](const std::string& title) -> std::optional<SecretString> {
        run.promptTitles.push_back(title);
        if (!password) {
            return std::nullopt;
        }
        return SecretString(*password);
    };
    run.result = LoadCardFile(image.data(), image.size(), collection, context);
    return run;
}

SaveRun Save(CardCollection& collection) {
    SaveRun run;
    run.ok = SaveCardFile(collection, run.image,
                          [&run](const std::string& m) { run.messages.push_back(m); });
    return run;
}

std::unique_ptr<CardRecord> MakeCard(const std::string& field1, const std::string& field4,
                                     const std::string& note) {
    auto card = std::make_unique<CardRecord>();
    card->SetField1(field1);
    card->SetField4(field4);
    card->SetNote(note);
    return card;
}

int CountCards(const CardCollection& collection) {
    int count = collection.Deleted().Count();
    for (int id = 0; id < kCategoryCount; ++id) {
        count += collection.Category(id).Count();
    }
    return count;
}

}  // namespace quillox::testing
