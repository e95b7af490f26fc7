#pragma once

#include <string>

#include "output/print_preferences.h"
#include "store/card_collection.h"

namespace quillox::output {

// The cards a print job shows for the category bar's selection: one
// category's list, or with "Show All" the lists of all categories one after
// the other (ATM/PIN Cards only when "Print ATM" is on). Any other text
// selects no card. A single category prints whatever "Print ATM" says.
class PrintedCards {
  public:
    PrintedCards(const CardCollection& collection, const std::string& selection,
                 const PrintPreferences& preferences);

    int Count() const { return count_; }
    // The card at a 0-based position of the printed list; null outside it.
    const CardRecord* At(int position) const;

  private:
    const CardCollection& collection_;
    PrintPreferences preferences_;
    int single_ = -1;  // the one category printed, or -1
    int count_ = 0;
};

}  // namespace quillox::output
