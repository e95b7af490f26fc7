#include <cstring>
#include <new>

#include "store/blowfish.h"
#include "store/byte_io.h"
#include "store/card_file.h"
#include "store/file_messages.h"
#include "store/safe_save.h"
#include "store/secure_wipe.h"

namespace quillox {

namespace {

constexpr std::size_t kCardHeaderSize = 24;

void Report(const MessageSink& showMessage, const char* message) {
    if (showMessage) {
        showMessage(message);
    }
}

FileHeaderBytes MakeHeader(bool encrypted, std::uint32_t carriedValue) {
    FileHeaderBytes header{};
    header[1] = kHeaderVersion;
    header[10] = 1;
    header[12] = encrypted ? 1 : 0;
    WriteU32(header.data() + 14, kFileTypeCode);
    WriteU32(header.data() + 18, carriedValue);
    return header;
}

// Writes one card at out; false when a text is past the size limit a file can hold.
bool WriteCard(const CardRecord& card, unsigned char* out) {
    // Only a block longer than the limit can hold a text past it.
    if (card.GetTextBlock().size() > kMaxTextBytes) {
        for (int i = 0; i < CardRecord::kTextCount; ++i) {
            if (card.GetText(static_cast<CardRecord::Text>(i)).size() > kMaxTextBytes) {
                return false;
            }
        }
    }
    const std::string_view block = card.GetTextBlock();
    std::memset(out, 0, kCardHeaderSize);
    out[0] = card.GetCategoryId();
    out[2] = card.GetAttributeFlags();
    out[3] = card.GetStateFlags();
    WriteU32(out + 4, card.GetModified());
    WriteU32(out + 8, card.GetRecordTag());
    WriteU32(out + 20, static_cast<std::uint32_t>(block.size()));
    std::memcpy(out + kCardHeaderSize, block.data(), block.size());
    return true;
}

// Writes the card sequence at out, category by category; reports each
// category that cannot be written and returns false if any could not.
bool WriteCardSequence(const CardCollection& collection, unsigned char* out,
                       const MessageSink& showMessage) {
    bool ok = true;
    auto writeCategory = [&](const CardCategory& category, const char* errorMessage) {
        bool categoryOk = true;
        for (const auto& card : category) {
            if (!WriteCard(*card, out)) {
                categoryOk = false;
                break;
            }
            out += card->StoredSize();
        }
        if (!categoryOk) {
            Report(showMessage, errorMessage);
            ok = false;
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
    const FileHeaderBytes header = MakeHeader(false, collection.GetCarriedHeaderValue());
    out.assign(kFileHeaderSize + collection.TotalStoredSize(), 0);
    std::memcpy(out.data(), header.data(), kFileHeaderSize);
    return WriteCardSequence(collection, out.data() + kFileHeaderSize, showMessage);
}

bool SaveEncrypted(CardCollection& collection, std::vector<unsigned char>& out,
                   const MessageSink& showMessage) {
    const SecretString& password = collection.GetFilePassword();
    if (password.empty()) {
        Report(showMessage, messages::kPasswordNotSet);
        return false;
    }
    const std::uint64_t plainSize = kDigestSize + collection.TotalStoredSize();
    if (plainSize > kMaxEncryptedPlaintext) {
        Report(showMessage, messages::kFailedToSave);
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
    const FileHeaderBytes header = MakeHeader(true, collection.GetCarriedHeaderValue());
    out.assign(header.begin(), header.end());
    out.insert(out.end(), plain.bytes().begin(), plain.bytes().end());
    collection.SetStoredDigest(digest);
    return true;
}

}  // namespace

bool SaveCardFile(CardCollection& collection, std::vector<unsigned char>& out,
                  const MessageSink& showMessage) {
    out.clear();
    try {
        const bool ok = collection.GetEncryptOnSave() ? SaveEncrypted(collection, out, showMessage)
                                                      : SavePlain(collection, out, showMessage);
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
                        const MessageSink& showMessage) {
    std::vector<unsigned char> image;
    if (!SaveCardFile(collection, image, showMessage)) {
        return false;
    }
    std::string error;
    if (!WriteFileSafely(path, image.data(), image.size(), error)) {
        if (showMessage) {
            showMessage(error);
        }
        return false;
    }
    return true;
}

}  // namespace quillox
