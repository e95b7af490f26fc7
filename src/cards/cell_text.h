#pragma once

#include <array>
#include <string>
#include <string_view>

#include "store/card_record.h"

namespace quillox {

inline constexpr int kListColumnCount = 6;

// The one-line form of a note shown in the card list.
std::string NoteSummary(std::string_view note);

// What the list shows depends on preferences read at paint time.
struct CellOptions {
    bool showPasswordAlways = false;  // "ShowPasswordAlways" equals 1
    int dateFormat = 0;               // "Date Format"
};

// The text of one cell (columns 0 to 5: Field1, Field3, masked Field4, note
// summary, last modified, Field2); empty for any other column.
std::string CellText(const CardRecord& card, int column, const CellOptions& options);

// The six column headings for a category display name; "Show All" uses the
// labels of "WWW Sites". Nothing changes for a name that is neither.
bool ColumnHeadings(const std::string& categoryName,
                    std::array<std::string, kListColumnCount>& headings);

// Compares as the runtime's case-insensitive comparison does in the C locale:
// letters A to Z fold to lower case, every other byte compares as it is.
int CompareNoCase(std::string_view a, std::string_view b);

}  // namespace quillox
