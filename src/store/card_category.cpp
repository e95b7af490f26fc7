#include "store/card_category.h"

namespace quillox {

void CardCategory::TakeAllFrom(CardCategory& other) {
    cards_.reserve(cards_.size() + other.cards_.size());
    for (auto& card : other.cards_) {
        Append(std::move(card));
    }
    other.cards_.clear();
}

std::unique_ptr<CardRecord> CardCategory::Remove(int position) {
    if (position < 0 || position >= Count()) {
        return nullptr;
    }
    const auto where = cards_.begin() + position;
    std::unique_ptr<CardRecord> card = std::move(*where);
    cards_.erase(where);
    for (int later = position; later < Count(); ++later) {
        cards_[static_cast<std::size_t>(later)]->SetPositionInCategory(later);
    }
    return card;
}

CardRecord* CardCategory::At(int position) {
    if (position < 0 || position >= Count()) {
        return nullptr;
    }
    return cards_[static_cast<std::size_t>(position)].get();
}

const CardRecord* CardCategory::At(int position) const {
    return const_cast<CardCategory*>(this)->At(position);
}

std::uint64_t CardCategory::StoredSize() const {
    std::uint64_t total = 0;
    for (const auto& card : cards_) {
        total += card->StoredSize();
    }
    return total;
}

}  // namespace quillox
