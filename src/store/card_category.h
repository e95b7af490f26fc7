#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "store/card_record.h"
#include "store/category_table.h"

namespace quillox {

// The ordered, owning list of one category's cards (or of the deleted cards).
class CardCategory {
  public:
    CardCategory() : labels_(DefaultFieldLabels()) {}

    // Appends the card and returns the new count. Inline: loading appends
    // every card.
    int Append(std::unique_ptr<CardRecord> card) {
        if (card) {
            card->SetPositionInCategory(Count());
            cards_.push_back(std::move(card));
        }
        return Count();
    }
    // Appends every card of other in its order, leaving other empty.
    void TakeAllFrom(CardCategory& other);
    // Takes the card at position out of the list and hands it to the caller;
    // null (and nothing changed) for a position that is not in the list.
    std::unique_ptr<CardRecord> Remove(int position);

    // Null for a position that is not in the list. Every card knows its
    // position here (GetPositionInCategory): the list keeps it as cards come
    // and go, so that readers never need to write it.
    CardRecord* At(int position);
    const CardRecord* At(int position) const;
    int Count() const { return static_cast<int>(cards_.size()); }
    bool Empty() const { return cards_.empty(); }
    void Reserve(std::size_t count) { cards_.reserve(count); }

    // Sum of the cards' stored sizes in a data file.
    std::uint64_t StoredSize() const;

    const FieldLabels& GetFieldLabels() const { return labels_; }
    void SetFieldLabels(const FieldLabels& labels) { labels_ = labels; }

    // Walks the cards in order; a const category hands out const cards.
    class Iterator {
      public:
        using Base = std::vector<std::unique_ptr<CardRecord>>::const_iterator;
        explicit Iterator(Base at) : at_(at) {}
        const CardRecord* operator*() const { return at_->get(); }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }

      private:
        Base at_;
    };
    Iterator begin() const { return Iterator(cards_.begin()); }
    Iterator end() const { return Iterator(cards_.end()); }

  private:
    std::vector<std::unique_ptr<CardRecord>> cards_;
    FieldLabels labels_;
};

}  // namespace quillox
