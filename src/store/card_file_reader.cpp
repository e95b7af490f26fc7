#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "store/blowfish.h"
#include "store/byte_io.h"
#include "store/card_file.h"
#include "store/card_file_internal.h"
#include "store/card_pool.h"
#include "store/file_messages.h"
#include "store/input_file.h"
#include "store/secure_wipe.h"
#include "store/strong_form.h"

namespace quillox {

namespace {

constexpr std::size_t kCardHeaderSize = 24;
constexpr std::size_t kLegacyVersionOffset = 9;
constexpr std::size_t kLegacyVersionSize = 12;
// A plain file needs this many bytes left before another card is tried; a
// decrypted buffer needs more, so that padding is never taken for a card.
constexpr std::size_t kMinPlainRemainder = 10;
constexpr std::size_t kMinDecryptedRemainder = 12;

// Where the cards read from a file go, by the category number a card
// carries: its category for numbers 0 to 14, the deleted cards for 100, and
// nowhere (the card is dropped) for any other number. A card flagged deleted
// goes to the deleted cards whatever its number.
class CardPlaces {
  public:
    explicit CardPlaces(CardCollection& collection) : deleted_(&collection.Deleted()) {
        places_.fill(nullptr);
        for (int id = 0; id < kCategoryCount; ++id) {
            places_[static_cast<std::size_t>(id)] = &collection.Category(id);
        }
        places_[kDeletedCategoryId] = deleted_;
    }

    CardCategory* For(std::uint8_t categoryId, std::uint8_t stateFlags) const {
        return (stateFlags & CardRecord::kDeletedBit) != 0 ? deleted_ : places_[categoryId];
    }

  private:
    std::array<CardCategory*, 256> places_;
    CardCategory* deleted_;
};

// Reads cards from image, starting at offset, until fewer than minRemainder
// bytes are left before end or a card is cut short by end. Lengths come from
// the file and are checked against what is left before they are used.
void ReadCardSequence(const SharedTextStorage& image, std::size_t offset, std::size_t end,
                      std::size_t minRemainder, CardCollection& collection, int dateFormat) {
    const char* bytes = image->data();
    const std::size_t size = end;  // the sealed form's tag follows its cards
    const CardPlaces places(collection);
    detail::CardPool& pool = detail::CardPool::OfThisThread();
    std::size_t position = offset;
    while (size - position >= minRemainder) {
        const std::size_t left = size - position;
        if (left < kCardHeaderSize) {
            return;
        }
        const auto* header = reinterpret_cast<const unsigned char*>(bytes + position);
        const std::uint32_t blockLength = ReadU32(header + 20);
        if (blockLength > left - kCardHeaderSize) {
            return;
        }
        if (CardCategory* place = places.For(header[0], header[3])) {
            const CardRecord::StoredNumbers numbers{header[0], header[2], header[3],
                                                    ReadU32(header + 4), ReadU32(header + 8)};
            // Made in a slot of the pool directly: loading makes every card
            // this way, and the class's operator new is a call away.
            void* slot = pool.Take();
            CardRecord* card;
            try {
                card = ::new (slot) CardRecord(numbers, dateFormat, image,
                                               bytes + position + kCardHeaderSize, blockLength);
            } catch (...) {
                pool.Give(slot);
                throw;
            }
            place->Append(std::unique_ptr<CardRecord>(card));
        }
        position += kCardHeaderSize + blockLength;
    }
}

LoadResult ReadEncryptedPayload(const unsigned char* data, std::size_t size,
                                CardCollection& collection, const LoadContext& context) {
    LoadResult result;
    result.encrypted = true;
    result.headerVersion = data[1];
    const std::size_t payloadSize = size - kFileHeaderSize;
    std::shared_ptr<TextStorage> plain;
    try {
        plain = std::make_shared<TextStorage>(payloadSize);
    } catch (const std::bad_alloc&) {
        detail::Report(context, messages::kOutOfMemory);
        return result;
    }
    std::memcpy(plain->data(), data + kFileHeaderSize, payloadSize);

    std::optional<SecretString> password = detail::AskFilePassword(context);
    if (!password) {
        return result;
    }
    if (!password->empty()) {
        const StartTables tables =
            data[1] == kZeroedTablesHeaderVersion ? StartTables::Zeroed : StartTables::Standard;
        DecryptBuffer(*password, PayloadBlockCount(payloadSize),
                      reinterpret_cast<unsigned char*>(plain->data()), tables);
    }
    Sha1Value stored;
    std::memcpy(stored.data(), plain->data(), kDigestSize);
    const Sha1Value entered = Sha1Digest::Of(password->data(), password->size());
    if (password->empty() || stored != entered) {
        detail::Report(context, messages::kWrongPassword);
        return result;
    }
    collection.SetStoredDigest(stored);
    collection.SetFilePassword(std::move(*password));
    collection.SetEncryptOnSave(true);
    collection.SetEncryptionForm(EncryptionForm::Compatible);
    ReadCardSequence(plain, kDigestSize, plain->size(), kMinDecryptedRemainder, collection,
                     context.dateFormat);
    result.ok = true;
    result.form = EncryptionForm::Compatible;
    return result;
}

// A file read keeps its cost at the next save, but never drops below the default.
KdfCost CostToKeep(const KdfCost& read) {
    return {std::max(read.operations, kDefaultKdfCost.operations),
            std::max(read.memoryBytes, kDefaultKdfCost.memoryBytes)};
}

// The cards are deciphered in the file's image, where they stay: a large file
// needs no second buffer.
LoadResult ReadStrongPayload(const std::shared_ptr<TextStorage>& image, CardCollection& collection,
                             const LoadContext& context) {
    auto* data = reinterpret_cast<unsigned char*>(image->data());
    const std::size_t size = image->size();
    LoadResult result;
    result.encrypted = true;
    result.headerVersion = data[1];
    result.form = EncryptionForm::Strong;
    const std::optional<StrongEnvelope> envelope =
        ReadStrongEnvelope(data, size, context.kdfCeiling);
    if (!envelope || size < kStrongMinFileSize) {
        detail::Report(context, messages::kWrongPasswordOrChanged);
        return result;
    }
    std::optional<SecretString> password = detail::AskFilePassword(context);
    if (!password) {
        return result;
    }
    const OpenOutcome opened =
        password->empty() ? OpenOutcome::Refused : OpenStrong(data, size, *envelope, *password);
    if (opened != OpenOutcome::Opened) {
        detail::Report(context, opened == OpenOutcome::OutOfMemory
                                    ? messages::kOutOfMemory
                                    : messages::kWrongPasswordOrChanged);
        return result;
    }
    // Only a whole reading joins the collection.
    CardCollection scratch;
    ReadCardSequence(image, kStrongSealedOffset, size - kStrongTagSize, kMinPlainRemainder, scratch,
                     context.dateFormat);
    collection.TakeCardsFrom(scratch);
    collection.SetFilePassword(std::move(*password));
    collection.SetEncryptOnSave(true);
    collection.SetEncryptionForm(EncryptionForm::Strong);
    collection.SetKdfCost(CostToKeep(envelope->cost));
    result.ok = true;
    return result;
}

LoadResult ReadCurrentFile(const std::shared_ptr<TextStorage>& image, CardCollection& collection,
                           const LoadContext& context) {
    const auto* data = reinterpret_cast<const unsigned char*>(image->data());
    const std::size_t size = image->size();
    LoadResult result;
    FileHeaderBytes header;
    std::memcpy(header.data(), data, kFileHeaderSize);
    collection.SetLastHeader(header);
    collection.SetCarriedHeaderValue(ReadU32(data + 18));
    result.headerVersion = data[1];
    switch (data[12]) {
        case 0:
            ReadCardSequence(image, kFileHeaderSize, size, kMinPlainRemainder, collection,
                             context.dateFormat);
            result.ok = true;
            return result;
        case 1:
            return ReadEncryptedPayload(data, size, collection, context);
        case kStrongFormByte:
            return ReadStrongPayload(image, collection, context);
        default:
            return result;
    }
}

bool HasLegacyVersion(const unsigned char* head, std::size_t headSize, const char* version) {
    return headSize >= kLegacyVersionOffset + kLegacyVersionSize &&
           std::memcmp(head + kLegacyVersionOffset, version, kLegacyVersionSize) == 0;
}

// Every encrypted payload this program writes is whole blocks holding at
// least the digest, and fewer than 8192 blocks, since the block count is a
// 16-bit number that would lose the rest. Anything else is not one of its
// files: deciphering it would touch bytes outside the payload, or decipher
// only part of it and read the rest as cards.
bool IsPossibleEncryptedPayload(std::uint64_t payloadSize) {
    return payloadSize % 8 == 0 && payloadSize >= kDigestSize + 4 &&
           payloadSize <= kMaxEncryptedPlaintext;
}

}  // namespace

namespace detail {

void Report(const LoadContext& context, const std::string& message) {
    if (context.showMessage) {
        context.showMessage(message);
    }
}

std::optional<SecretString> AskFilePassword(const LoadContext& context) {
    if (!context.askPassword) {
        return std::nullopt;
    }
    std::optional<SecretString> password = context.askPassword(
        std::string(messages::kDecryptionPasswordTitle) + " for file: " + context.fileTitle);
    if (password && password->empty()) {
        Report(context, messages::kEnterPassword);
    }
    return password;
}

}  // namespace detail

std::uint16_t PayloadBlockCount(std::size_t n) {
    const std::size_t low = n % 65536;
    const std::size_t words = (low + 3) / 4;
    return static_cast<std::uint16_t>((words + 1) / 2);
}

FileKind RecogniseFile(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize) {
    if (fileSize == 0) {
        return FileKind::Empty;
    }
    if (HasLegacyVersion(head, headSize, "Version1.001")) {
        return FileKind::Legacy1001;
    }
    if (HasLegacyVersion(head, headSize, "Version1.002")) {
        return FileKind::Legacy1002;
    }
    if (headSize < kFileHeaderSize || ReadU32(head + 14) != kFileTypeCode) {
        return FileKind::Foreign;
    }
    if (head[12] == 1 && !IsPossibleEncryptedPayload(fileSize - kFileHeaderSize)) {
        return FileKind::Foreign;
    }
    if (head[12] == kStrongFormByte &&
        (fileSize < kStrongMinFileSize || !HasStrongMagic(head, headSize))) {
        return FileKind::Foreign;
    }
    return FileKind::Current;
}

FileFacts InspectCardFile(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize) {
    FileFacts facts;
    facts.kind = RecogniseFile(head, headSize, fileSize);
    switch (facts.kind) {
        case FileKind::Legacy1001:
        case FileKind::Legacy1002:
            facts.encrypted = std::memcmp(head, "ENCRYPTED", 9) == 0;
            break;
        case FileKind::Current:
            if (head[12] == 1) {
                facts.encrypted = true;
                facts.form = EncryptionForm::Compatible;
            } else if (head[12] == kStrongFormByte) {
                facts.encrypted = true;
                facts.form = EncryptionForm::Strong;
                if (const auto envelope = ReadStrongEnvelope(head, headSize, kKdfCeiling)) {
                    facts.kdfCost = envelope->cost;
                }
            }
            break;
        case FileKind::Empty:
        case FileKind::Foreign:
            break;
    }
    return facts;
}

namespace {

LoadResult LoadImageOnce(const std::shared_ptr<TextStorage>& image, CardCollection& collection,
                         const LoadContext& context) {
    const auto* data = reinterpret_cast<const unsigned char*>(image->data());
    const std::size_t size = image->size();
    switch (RecogniseFile(data, std::min(size, kRecognisedHeadSize), size)) {
        case FileKind::Empty: {
            LoadResult empty;
            empty.ok = true;
            return empty;
        }
        case FileKind::Legacy1001:
            return detail::ReadLegacyFile(data, size, FileFormat::Legacy1001, collection, context);
        case FileKind::Legacy1002:
            return detail::ReadLegacyFile(data, size, FileFormat::Legacy1002, collection, context);
        case FileKind::Current:
            return ReadCurrentFile(image, collection, context);
        case FileKind::Foreign:
            break;
    }
    detail::Report(context, messages::kNotAQuilloxFile);
    return LoadResult();
}

LoadResult LoadImage(const std::shared_ptr<TextStorage>& image, CardCollection& collection,
                     const LoadContext& context) {
    const LoadResult result = LoadImageOnce(image, collection, context);
    WipeScratchMemory();
    return result;
}

}  // namespace

LoadResult LoadCardFile(const unsigned char* data, std::size_t size, CardCollection& collection,
                        const LoadContext& context) {
    std::shared_ptr<TextStorage> image;
    try {
        image = std::make_shared<TextStorage>(size);
    } catch (const std::bad_alloc&) {
        detail::Report(context, messages::kOutOfMemory);
        return LoadResult();
    }
    if (size > 0) {
        std::memcpy(image->data(), data, size);
    }
    return LoadImage(image, collection, context);
}

LoadResult LoadCardFileFromPath(const std::string& path, CardCollection& collection,
                                const LoadContext& context) {
    InputFile file;
    std::string error;
    if (!file.Open(path, error)) {
        detail::Report(context, error);
        return LoadResult();
    }
    const std::uint64_t size = file.Size();
    // The header decides before the rest is read: a large file that is no
    // data file is refused at once.
    unsigned char head[kRecognisedHeadSize];
    const std::size_t headSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(size, sizeof head));
    if (!file.Read(head, headSize)) {
        detail::Report(context, "Cannot read the file " + path + ".");
        return LoadResult();
    }
    if (RecogniseFile(head, headSize, size) == FileKind::Foreign) {
        detail::Report(context, messages::kNotAQuilloxFile);
        return LoadResult();
    }
    // The file is read straight into the storage its cards' texts will share.
    std::shared_ptr<TextStorage> image;
    try {
        if (size > SIZE_MAX) {
            throw std::bad_alloc();
        }
        image = std::make_shared<TextStorage>(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        detail::Report(context, messages::kOutOfMemory);
        return LoadResult();
    }
    if (headSize > 0) {
        std::memcpy(image->data(), head, headSize);
    }
    if (!file.Read(image->data() + headSize, image->size() - headSize)) {
        detail::Report(context, "Cannot read the file " + path + ".");
        return LoadResult();
    }
    return LoadImage(image, collection, context);
}

std::string FileTitleOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace quillox
