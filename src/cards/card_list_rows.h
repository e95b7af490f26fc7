#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "store/card_collection.h"

namespace quillox {

// The rows of a card list: references to the document's cards in display
// order. Holds no texts; a refill collects pointers only.
class CardListRows {
  public:
    // Fills with the cards of the named category, or of all fifteen for "Show
    // All" (in the category bar's order), writes each card's
    // PositionInCategory and orders the rows by Field1 without regard to case
    // (equal names keep their order). A name that is neither leaves the rows
    // empty and returns false.
    bool Fill(const CardCollection& collection, const std::string& categoryName);
    void Clear() { rows_.clear(); }

    // Sorts by a column heading click: toggles the process-wide ReverseSort,
    // then sorts stably (ascending when ReverseSort is clear).
    void SortByColumn(int column);

    std::size_t Count() const { return rows_.size(); }
    const CardRecord* At(std::size_t row) const {
        return row < rows_.size() ? rows_[row] : nullptr;
    }
    // The row of card, or -1.
    int RowOf(const CardRecord* card) const;

    // The flag shared by all lists of the process; true at start.
    static bool ReverseSort();
    static void SetReverseSort(bool on);

  private:
    std::vector<const CardRecord*> rows_;
};

// The item count shown for a category name: its cards, or all fifteen
// categories' for "Show All" (deleted cards never count); -1 for a name that
// is neither.
long CardCountFor(const CardCollection& collection, const std::string& categoryName);

}  // namespace quillox
