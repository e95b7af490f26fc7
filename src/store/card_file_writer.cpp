#include <cstdint>
#include <cstring>
#include <new>

#include "store/blowfish.h"
#include "store/byte_io.h"
#include "store/card_file.h"
#include "store/file_messages.h"
#include "store/safe_save.h"
#include "store/secure_wipe.h"
#include "store/strong_form.h"
#include "store/text_codec.h"

namespace quillox {

namespace {

constexpr std::size_t kCardHeaderSize = 24;

void Report(const MessageSink& showMessage, const char* message) {
    if (showMessage) {
        showMessage(message);
    }
}

// formByte: 0 plain, 1 compatible, 2 strong.
FileHeaderBytes MakeHeader(std::uint8_t formByte, std::uint32_t carriedValue) {
    FileHeaderBytes header{};
    header[1] = kHeaderVersion;
    header[10] = 1;
    header[12] = formByte;
    WriteU32(header.data() + 14, kFileTypeCode);
    WriteU32(header.data() + 18, carriedValue);
    return header;
}

// Groups digits by thousands, as the messages show byte counts.
std::string WithThousands(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t i = digits.size(); i > 3; i -= 3) {
        digits.insert(i - 3, 1, ',');
    }
    return digits;
}

// The text of a card that is past the size limit a file can hold, or -1.
int OverlongText(const CardRecord& card) {
    // Only a block longer than the limit can hold a text past it.
    if (card.GetTextBlock().size() > kMaxTextBytes) {
        for (int i = 0; i < CardRecord::kTextCount; ++i) {
            if (card.GetText(static_cast<CardRecord::Text>(i)).size() > kMaxTextBytes) {
                return i;
            }
        }
    }
    return -1;
}

// Names the card and the field whose text cannot be saved, so that the user
// can find it; the card is named by its first field, shortened.
std::string OverlongTextMessage(const CardRecord& card, int text) {
    std::string field = "Note";
    if (text < 4) {
        FieldLabels labels = DefaultFieldLabels();
        GetFieldLabels(card.GetCategoryId(), labels[0], labels[1], labels[2], labels[3]);
        field = labels[static_cast<std::size_t>(text)];
    }
    constexpr std::size_t kNameBytes = 40;
    const std::string_view name = card.GetField1();
    const std::string shown = name.empty() ? std::string("a card without a name")
                                           : "\"" + Cp1252ToUtf8(name.substr(0, kNameBytes)) +
                                                 (name.size() > kNameBytes ? "...\"" : "\"");
    return "the " + field + " of " + shown + " holds " +
           WithThousands(card.GetText(static_cast<CardRecord::Text>(text)).size()) +
           " bytes; a text can hold at most " + WithThousands(kMaxTextBytes) + ".";
}

void WriteCard(const CardRecord& card, unsigned char* out) {
    const std::string_view block = card.GetTextBlock();
    std::memset(out, 0, kCardHeaderSize);
    out[0] = card.GetCategoryId();
    out[2] = card.GetAttributeFlags();
    out[3] = card.GetStateFlags();
    WriteU32(out + 4, card.GetModified());
    WriteU32(out + 8, card.GetRecordTag());
    WriteU32(out + 20, static_cast<std::uint32_t>(block.size()));
    std::memcpy(out + kCardHeaderSize, block.data(), block.size());
}

// Writes the card sequence at out, category by category; reports each
// category that cannot be written, naming the card that stops it, and
// returns false if any could not.
bool WriteCardSequence(const CardCollection& collection, unsigned char* out,
                       const MessageSink& showMessage) {
    bool ok = true;
    auto writeCategory = [&](const CardCategory& category, const char* errorMessage) {
        for (const auto& card : category) {
            const int overlong = OverlongText(*card);
            if (overlong >= 0) {
                if (showMessage) {
                    showMessage(std::string(errorMessage) + ": " +
                                OverlongTextMessage(*card, overlong));
                }
                ok = false;
                return;
            }
            WriteCard(*card, out);
            out += card->StoredSize();
        }
    };
    for (int id = 0; id < kCategoryCount; ++id) {
        writeCategory(collection.Category(id), CategoryInfoOf(id).saveErrorMessage);
    }
    writeCategory(collection.Deleted(), kDeletedCardsSaveError);
    return ok;
}

bool SavePlain(const CardCollection& collection, std::vector<unsigned char>& out,
               const MessageSink& showMessage) {
    const FileHeaderBytes header = MakeHeader(0, collection.GetCarriedHeaderValue());
    out.assign(kFileHeaderSize + collection.TotalStoredSize(), 0);
    std::memcpy(out.data(), header.data(), kFileHeaderSize);
    return WriteCardSequence(collection, out.data() + kFileHeaderSize, showMessage);
}

// The cards are written where their ciphertext goes and sealed in place, so
// that a million cards need one buffer, not two; a failure wipes them.
bool SaveStrong(const CardCollection& collection, std::vector<unsigned char>& out,
                const MessageSink& showMessage) {
    const std::uint64_t size = collection.TotalStoredSize();
    if (size > SIZE_MAX - kStrongMinFileSize) {
        throw std::bad_alloc();
    }
    out.assign(kStrongMinFileSize + static_cast<std::size_t>(size), 0);
    const FileHeaderBytes header = MakeHeader(kStrongFormByte, collection.GetCarriedHeaderValue());
    std::memcpy(out.data(), header.data(), kFileHeaderSize);
    bool sealed = false;
    try {
        sealed = WriteCardSequence(collection, out.data() + kStrongSealedOffset, showMessage);
        if (sealed && !SealStrong(out, collection.GetFilePassword(), collection.GetKdfCost())) {
            Report(showMessage, messages::kOutOfMemory);
            sealed = false;
        }
    } catch (...) {
        SecureWipe(out);
        throw;
    }
    if (!sealed) {
        SecureWipe(out);
        out.clear();
    }
    return sealed;
}

bool SaveEncrypted(CardCollection& collection, std::vector<unsigned char>& out,
                   const MessageSink& showMessage) {
    const SecretString& password = collection.GetFilePassword();
    if (password.empty()) {
        Report(showMessage, messages::kPasswordNotSet);
        return false;
    }
    if (collection.GetEncryptionForm() == EncryptionForm::Strong) {
        return SaveStrong(collection, out, showMessage);
    }
    const std::uint64_t plainSize = EncryptedPlaintextSize(collection);
    if (plainSize > kMaxEncryptedPlaintext) {
        if (showMessage) {
            showMessage(TooBigToEncryptMessage(plainSize));
        }
        return false;
    }
    const std::uint16_t blocks = PayloadBlockCount(static_cast<std::size_t>(plainSize));
    WipedBuffer plain(std::size_t{blocks} * 8);
    const Sha1Value digest = Sha1Digest::Of(password.data(), password.size());
    std::memcpy(plain.data(), digest.data(), kDigestSize);
    if (!WriteCardSequence(collection, plain.data() + kDigestSize, showMessage)) {
        return false;
    }
    EncryptBuffer(password, blocks, plain.data());
    const FileHeaderBytes header = MakeHeader(1, collection.GetCarriedHeaderValue());
    out.assign(header.begin(), header.end());
    out.insert(out.end(), plain.bytes().begin(), plain.bytes().end());
    collection.SetStoredDigest(digest);
    return true;
}

}  // namespace

std::uint64_t EncryptedPlaintextSize(const CardCollection& collection) {
    return kDigestSize + collection.TotalStoredSize();
}

bool FitsEncrypted(const CardCollection& collection) {
    return collection.GetEncryptionForm() == EncryptionForm::Strong ||
           EncryptedPlaintextSize(collection) <= kMaxEncryptedPlaintext;
}

std::string TooBigToEncryptMessage(std::uint64_t needed) {
    return "These cards need " + WithThousands(needed) +
           " bytes; an encrypted file holds at most " + WithThousands(kMaxEncryptedPlaintext) +
           ". Remove cards, or save without encryption.";
}

bool SaveCardFile(CardCollection& collection, std::vector<unsigned char>& out,
                  const MessageSink& showMessage) {
    out.clear();
    try {
        const bool ok = collection.GetEncryptOnSave() ? SaveEncrypted(collection, out, showMessage)
                                                      : SavePlain(collection, out, showMessage);
        WipeScratchMemory();
        if (ok) {
            FileHeaderBytes header;
            std::memcpy(header.data(), out.data(), kFileHeaderSize);
            collection.SetLastHeader(header);
        }
        return ok;
    } catch (const std::bad_alloc&) {
        Report(showMessage, messages::kOutOfMemory);
        return false;
    }
}

bool SaveCardFileToPath(CardCollection& collection, const std::string& path,
                        const MessageSink& showMessage, const SafeSaveOptions& options) {
    // A plain image holds every card in the clear: wiped when done with.
    WipedBuffer image;
    if (!SaveCardFile(collection, image.bytes(), showMessage)) {
        return false;
    }
    // Who may get the file is decided by what it holds, not left to the caller.
    SafeSaveOptions saving = options;
    saving.content = collection.GetEncryptOnSave() ? SavedContent::Encrypted : SavedContent::Clear;
    std::string error;
    if (!WriteFileSafely(path, image.data(), image.size(), error, saving)) {
        if (showMessage) {
            showMessage(error);
        }
        return false;
    }
    return true;
}

}  // namespace quillox
