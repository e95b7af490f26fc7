#pragma once

#include <string>
#include <vector>

#include "output/print_preferences.h"
#include "store/card_collection.h"

namespace quillox::output {

// The printer's measures, in its device pixels.
struct PageGeometry {
    int charHeight = 0;  // H: the height of a row of the default font
    int charWidth = 0;   // CW: the widest character of the default font
    int width = 0;       // the printable area, whose top-left corner is (0, 0)
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

inline constexpr const char* kPrintProductName = "Quillox";

// Rows a card takes: 10 with notes, 7 without.
int RowsPerCard(const PrintPreferences& preferences);

// Cards on a page: the rows left after 8 for header and footer, divided by
// the rows per card and rounded up, so the last card may reach into the
// footer's rows; never less than 1.
int CardsPerPage(const PageGeometry& geometry, const PrintPreferences& preferences);

// Pages for cardCount cards, cardsPerPage to a page; 0 without cards.
int PageCount(int cardCount, int cardsPerPage);

// The pages of a job on this printer.
int PageCount(const CardCollection& collection, const PrintJob& job, const PageGeometry& geometry);

// Everything page n (1-based) shows: title and product name at the top, the
// page number and date on the bottom row (100 pixels up, or the font's
// height when that is more), and its cards in blocks of rows.
std::vector<TextDraw> LayoutPage(const CardCollection& collection, const PrintJob& job,
                                 const PageGeometry& geometry, int page);

}  // namespace quillox::output
