#pragma once

#include <string>
#include <vector>

#include "output/print_preferences.h"
#include "output/text_wrap.h"
#include "store/card_collection.h"

namespace quillox::output {

// The page inside its margins, in tenths of a millimetre: the printer and the
// preview map these units to their own pixels, so both show one picture.
struct PageGeometry {
    int charHeight = 0;  // the height of a row of text
    int charWidth = 0;   // the widest character, which sets the label column
    int width = 0;       // the area inside the margins, whose top-left corner is (0, 0)
    int height = 0;
};

// What a print job shows besides the cards. Texts are UTF-8.
struct PrintJob {
    std::string selection;  // the category bar's text: a category or "Show All"
    PrintPreferences preferences;
    std::string title;  // the document's title, top left
    std::string date;   // the locale's short date, bottom left
};

// One text to draw with its top-left corner at (x, y). Texts are UTF-8 and
// hold no line break.
struct TextDraw {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const TextDraw& other) const {
        return x == other.x && y == other.y && text == other.text;
    }
};

using PrintedPage = std::vector<TextDraw>;

inline constexpr const char* kPrintProductName = "Quillox";

// Every page of a job, at least one: the title at the top left and the
// product name at the top right, the date and the page number on the bottom
// row, and between them the cards as blocks of rows. Values wrap to the page's
// width under their first line, so every character prints. A card that does
// not fit below the one before starts a new page; only a card taller than a
// page is split, between rows.
std::vector<PrintedPage> LayoutPages(const CardCollection& collection, const PrintJob& job,
                                     const PageGeometry& geometry, const TextMeasure& measure);

}  // namespace quillox::output
