#pragma once

#include "store/category_table.h"

namespace quillox::output {

inline constexpr CategoryId kAtmPinCardsId = 9;

// The two print preferences that shape exports and printed pages; the
// settings store them as integers of which only 1 means on.
struct PrintPreferences {
    bool printNotes = true;  // card notes are written
    bool printAtm = true;    // the ATM/PIN Cards category is written

    // Whether the exports and "Show All" take a category's cards.
    bool Includes(CategoryId id) const { return printAtm || id != kAtmPinCardsId; }
};

}  // namespace quillox::output
