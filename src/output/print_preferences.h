#pragma once

namespace quillox::output {

// The two print preferences that shape exports and printed pages; the
// settings store them as integers of which only 1 means on.
struct PrintPreferences {
    bool printNotes = true;  // card notes are written
    bool printAtm = true;    // the ATM/PIN Cards category is written
};

}  // namespace quillox::output
