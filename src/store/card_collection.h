#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "store/card_category.h"
#include "store/encryption_form.h"
#include "store/kdf_cost.h"
#include "store/secret_string.h"
#include "store/sha1.h"

namespace quillox {

inline constexpr std::size_t kFileHeaderSize = 22;
using FileHeaderBytes = std::array<unsigned char, kFileHeaderSize>;

// Everything one data file holds: the fifteen categories, the deleted cards,
// the encryption state and the header value carried from file to file.
class CardCollection {
  public:
    CardCollection();

    // Categories 0 to 14; any other number throws std::out_of_range.
    CardCategory& Category(int id);
    const CardCategory& Category(int id) const;
    CardCategory& Deleted() { return deleted_; }
    const CardCategory& Deleted() const { return deleted_; }

    // Appends to category 0 to 14; any other number changes nothing and
    // returns false (the card is then destroyed).
    bool AddCard(int id, std::unique_ptr<CardRecord> card);
    // Takes the card at position out of category id; null when there is none.
    std::unique_ptr<CardRecord> RemoveCard(int id, int position);
    void AddToDeleted(std::unique_ptr<CardRecord> card);
    // Appends every card of other, category by category, leaving other empty.
    void TakeCardsFrom(CardCollection& other);

    // 0 means the collection holds no card at all, deleted ones included.
    std::uint64_t TotalStoredSize() const;

    bool GetEncryptOnSave() const { return encryptOnSave_; }
    void SetEncryptOnSave(bool on) { encryptOnSave_ = on; }
    // The form the next encrypted save writes: the one the file was read in,
    // or the user's choice.
    EncryptionForm GetEncryptionForm() const { return encryptionForm_; }
    void SetEncryptionForm(EncryptionForm form) { encryptionForm_ = form; }
    // What a strong save spends on deriving the key: the default, or more
    // when the file read asked for more.
    const KdfCost& GetKdfCost() const { return kdfCost_; }
    void SetKdfCost(const KdfCost& cost) { kdfCost_ = cost; }
    const SecretString& GetFilePassword() const { return filePassword_; }
    void SetFilePassword(SecretString password) { filePassword_ = std::move(password); }
    const Sha1Value& GetStoredDigest() const { return storedDigest_; }
    void SetStoredDigest(const Sha1Value& digest) { storedDigest_ = digest; }
    std::uint32_t GetCarriedHeaderValue() const { return carriedHeaderValue_; }
    void SetCarriedHeaderValue(std::uint32_t value) { carriedHeaderValue_ = value; }
    const FileHeaderBytes& GetLastHeader() const { return lastHeader_; }
    void SetLastHeader(const FileHeaderBytes& header) { lastHeader_ = header; }

    // True when the digest of text equals the stored digest in all 20 bytes.
    bool VerifyPassword(const SecretString& text) const;

  private:
    std::array<CardCategory, kCategoryCount> categories_;
    CardCategory deleted_;
    bool encryptOnSave_ = false;
    EncryptionForm encryptionForm_ = EncryptionForm::Strong;
    KdfCost kdfCost_ = kDefaultKdfCost;
    SecretString filePassword_;
    Sha1Value storedDigest_{};
    std::uint32_t carriedHeaderValue_ = 0;
    FileHeaderBytes lastHeader_{};
};

}  // namespace quillox
