#include <algorithm>
#include <cstring>
#include <new>

#include "store/blowfish.h"
#include "store/byte_io.h"
#include "store/card_file_internal.h"
#include "store/file_messages.h"
#include "store/secure_wipe.h"

namespace quillox::detail {

namespace {

constexpr std::size_t kLegacyHeaderSize = 21;
constexpr std::size_t kMinLegacyRemainder = 9;  // reading goes on while more than 8 bytes remain
constexpr char kEncryptedMarker[] = "ENCRYPTED";
constexpr char kOldCheckText[] = "XYZ";

// Where the cards of the old formats go, by the category text they carry.
int CategoryOfLegacyText(std::string_view text) {
    static const struct {
        const char* text;
        int id;
    } kPlaces[] = {
        {"WWW Pages", 0},           {"FTP Servers", 2},    {"Newsgroups", 3},
        {"Online Banking", 4},      {"Login Accounts", 5}, {"Email Accounts", 6},
        {"Bank Accounts", 7},       {"Credit Cards", 8},   {"ATM/PIN Cards", 9},
        {"Personal Data", 10},      {"Software Keys", 11}, {"Serial Numbers", 12},
        {"Membership Numbers", 13},
    };
    if (text.empty()) {
        return 0;
    }
    for (const auto& place : kPlaces) {
        if (text == place.text) {
            return place.id;
        }
    }
    return -1;
}

// The number made of count digits at a 0-based position, or -1.
int DigitsAt(const std::string& text, std::size_t position, std::size_t count) {
    if (position + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = position; i < position + count; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// Old files kept dates as text: "25-12-1999", or "99/12/25" (YY/MM/DD).
MacTime MacTimeOfLegacyDate(const std::string& text) {
    if (text.find('/') == std::string::npos) {
        return MacTimeFromDate(DigitsAt(text, 6, 4), DigitsAt(text, 3, 2), DigitsAt(text, 0, 2));
    }
    const int year = DigitsAt(text, 0, 2);
    return MacTimeFromDate(year < 0 ? -1 : 1900 + year, DigitsAt(text, 3, 2), DigitsAt(text, 6, 2));
}

// Reads length-prefixed texts from the payload, never past its end.
class LegacyCursor {
  public:
    LegacyCursor(const unsigned char* data, std::size_t size, std::size_t position)
        : data_(data), size_(size), position_(position) {}

    std::size_t Remaining() const { return size_ - position_; }

    bool Text(std::size_t lengthWidth, std::string& out) {
        if (Remaining() < lengthWidth) {
            return false;
        }
        const std::size_t length = lengthWidth == 1 ? data_[position_] : ReadU16(data_ + position_);
        position_ += lengthWidth;
        if (Remaining() < length) {
            return false;
        }
        out.assign(reinterpret_cast<const char*>(data_ + position_), length);
        position_ += length;
        return true;
    }

    bool Flag(bool& out) {
        if (Remaining() < 1) {
            return false;
        }
        out = data_[position_++] != 0;
        return true;
    }

  private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t position_;
};

// The seven texts of an old card on their way into the card; they hold
// passwords, so they are wiped when done with.
struct LegacyTexts {
    std::string texts[7];
    LegacyTexts() = default;
    LegacyTexts(const LegacyTexts&) = delete;
    LegacyTexts& operator=(const LegacyTexts&) = delete;
    ~LegacyTexts() {
        for (std::string& text : texts) {
            SecureWipe(text);
        }
    }
};

std::unique_ptr<CardRecord> ReadLegacyCard(LegacyCursor& cursor) {
    LegacyTexts read;
    std::string(&texts)[7] = read.texts;
    for (int i = 0; i < 7; ++i) {
        if (!cursor.Text(i == 6 ? 2 : 1, texts[i])) {
            return nullptr;
        }
    }
    bool automaticAccess = false;
    bool newBrowserWindow = false;
    if (!cursor.Flag(automaticAccess) || !cursor.Flag(newBrowserWindow)) {
        return nullptr;
    }
    auto card = std::make_unique<CardRecord>();
    card->SetModified(MacTimeOfLegacyDate(texts[1]));
    card->SetCategoryText(texts[0]);
    card->SetModifiedText(texts[1]);
    card->SetField1(texts[2]);
    card->SetField2(texts[3]);
    card->SetField3(texts[4]);
    card->SetField4(texts[5]);
    card->SetNote(texts[6]);
    card->SetAutomaticAccess(automaticAccess);
    card->SetNewBrowserWindow(newBrowserWindow);
    return card;
}

// Checks the password against the deciphered payload and reports a mismatch.
bool PasswordMatches(FileFormat format, const SecretString& password, const WipedBuffer& plain,
                     CardCollection& collection, const LoadContext& context) {
    if (format == FileFormat::Legacy1001) {
        const bool ok = !password.empty() && plain.size() >= 3 &&
                        std::memcmp(plain.data(), kOldCheckText, 3) == 0;
        if (!ok) {
            Report(context, messages::kWrongPasswordOldFormat);
        }
        return ok;
    }
    Sha1Value stored{};
    const bool complete = plain.size() >= kDigestSize;
    if (complete) {
        std::memcpy(stored.data(), plain.data(), kDigestSize);
    }
    if (password.empty() || !complete ||
        stored != Sha1Digest::Of(password.data(), password.size())) {
        Report(context, messages::kWrongPassword);
        return false;
    }
    collection.SetStoredDigest(stored);
    return true;
}

}  // namespace

LoadResult ReadLegacyFile(const unsigned char* data, std::size_t size, FileFormat format,
                          CardCollection& collection, const LoadContext& context) {
    LoadResult result;
    result.format = format;
    result.encrypted = std::memcmp(data, kEncryptedMarker, 9) == 0;
    const std::size_t payloadSize = size - kLegacyHeaderSize;
    WipedBuffer plain;
    try {
        plain = WipedBuffer(payloadSize);
    } catch (const std::bad_alloc&) {
        Report(context, messages::kOutOfMemory);
        return result;
    }
    if (payloadSize > 0) {
        std::memcpy(plain.data(), data + kLegacyHeaderSize, payloadSize);
    }

    if (result.encrypted) {
        std::optional<SecretString> password = AskFilePassword(context);
        if (!password) {
            return result;
        }
        if (!password->empty()) {
            // Only whole blocks inside the payload are deciphered.
            const std::size_t blocks =
                std::min<std::size_t>(PayloadBlockCount(payloadSize), payloadSize / 8);
            DecryptBuffer(*password, static_cast<std::uint16_t>(blocks), plain.data(),
                          StartTables::Standard);
        }
        if (!PasswordMatches(format, *password, plain, collection, context)) {
            return result;
        }
        collection.SetFilePassword(std::move(*password));
        collection.SetEncryptOnSave(true);
    }

    const std::size_t start = format == FileFormat::Legacy1001 ? 3 : kDigestSize;
    if (payloadSize > start) {
        LegacyCursor cursor(plain.data(), payloadSize, start);
        while (cursor.Remaining() >= kMinLegacyRemainder) {
            std::unique_ptr<CardRecord> card = ReadLegacyCard(cursor);
            if (!card) {
                break;
            }
            const int id = CategoryOfLegacyText(card->GetCategoryText());
            if (id >= 0) {
                card->SetCategoryId(static_cast<CategoryId>(id));
                collection.AddCard(id, std::move(card));
            }
        }
    }
    result.ok = true;
    return result;
}

}  // namespace quillox::detail
