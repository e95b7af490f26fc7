#include "store/card_collection.h"

#include <stdexcept>

namespace quillox {

CardCollection::CardCollection() {
    for (int id = 0; id < kCategoryCount; ++id) {
        FieldLabels labels;
        GetFieldLabels(id, labels[0], labels[1], labels[2], labels[3]);
        categories_[static_cast<std::size_t>(id)].SetFieldLabels(labels);
    }
}

CardCategory& CardCollection::Category(int id) {
    if (id < 0 || id >= kCategoryCount) {
        throw std::out_of_range("no such category");
    }
    return categories_[static_cast<std::size_t>(id)];
}

const CardCategory& CardCollection::Category(int id) const {
    return const_cast<CardCollection*>(this)->Category(id);
}

bool CardCollection::AddCard(int id, std::unique_ptr<CardRecord> card) {
    if (id < 0 || id >= kCategoryCount) {
        return false;
    }
    categories_[static_cast<std::size_t>(id)].Append(std::move(card));
    return true;
}

std::unique_ptr<CardRecord> CardCollection::RemoveCard(int id, int position) {
    if (id < 0 || id >= kCategoryCount) {
        return nullptr;
    }
    return categories_[static_cast<std::size_t>(id)].Remove(position);
}

void CardCollection::AddToDeleted(std::unique_ptr<CardRecord> card) {
    deleted_.Append(std::move(card));
}

void CardCollection::TakeCardsFrom(CardCollection& other) {
    for (int id = 0; id < kCategoryCount; ++id) {
        categories_[static_cast<std::size_t>(id)].TakeAllFrom(other.Category(id));
    }
    deleted_.TakeAllFrom(other.deleted_);
}

std::uint64_t CardCollection::TotalStoredSize() const {
    std::uint64_t total = deleted_.StoredSize();
    for (const auto& category : categories_) {
        total += category.StoredSize();
    }
    return total;
}

bool CardCollection::VerifyPassword(const SecretString& text) const {
    const Sha1Value digest = Sha1Digest::Of(text.data(), text.size());
    unsigned char difference = 0;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        difference = static_cast<unsigned char>(difference | (digest[i] ^ storedDigest_[i]));
    }
    return difference == 0;
}

}  // namespace quillox
