#include "output/print_layout.h"

#include <algorithm>

#include "output/note_split.h"
#include "output/printed_cards.h"
#include "store/text_codec.h"

namespace quillox::output {

namespace {

constexpr int kHeaderFooterRows = 8;
constexpr int kLabelIndent = 100;
constexpr int kFooterRise = 100;
constexpr int kProductNameRoom = 1000;

// A printed text stays on its row: a line break in it would run into the
// rows below, so each one (CR LF, CR or LF) becomes a single space. Works on
// Windows-1252 and UTF-8 alike.
std::string OnOneRow(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        line += c == '\r' || c == '\n' ? ' ' : c;
    }
    return line;
}

std::string CardText(std::string_view cp1252) {
    return Cp1252ToUtf8(OnOneRow(cp1252));
}

// Rounds a quotient up, as the page's capacity and the page count do.
int DivideRoundingUp(int dividend, int divisor) {
    const int quotient = dividend / divisor;
    const int remainder = dividend % divisor;
    if (quotient == 0) {
        return 1;
    }
    return remainder == 0 ? quotient : quotient + 1;
}

void AddCard(std::vector<TextDraw>& draws, const CardRecord& card, int number, int firstRow,
             const PageGeometry& geometry, const PrintPreferences& preferences) {
    const int h = geometry.charHeight;
    const std::string category = CategoryDisplayName(card.GetCategoryId());
    FieldLabels labels;
    const auto width =
        static_cast<int>(GetFieldLabels(category, labels[0], labels[1], labels[2], labels[3]));
    const int valueX = kLabelIndent + geometry.charWidth * (width + 1);
    draws.push_back({0, (firstRow - 1) * h, category});
    draws.push_back({kLabelIndent, firstRow * h, "Number"});
    draws.push_back({9 * geometry.charWidth, firstRow * h, std::to_string(number)});
    for (int i = 0; i < 4; ++i) {
        const int y = (firstRow + 1 + i) * h;
        draws.push_back({kLabelIndent, y, labels[static_cast<std::size_t>(i)]});
        draws.push_back({valueX, y, CardText(card.GetText(static_cast<CardRecord::Text>(i)))});
    }
    if (preferences.printNotes) {
        const NoteLines note = SplitNote(card.GetNote());
        draws.push_back({kLabelIndent, (firstRow + 5) * h, "Notes"});
        draws.push_back({valueX, (firstRow + 5) * h, CardText(note.first)});
        draws.push_back({valueX, (firstRow + 6) * h, CardText(note.second)});
    }
}

}  // namespace

int RowsPerCard(const PrintPreferences& preferences) {
    return preferences.printNotes ? 10 : 7;
}

int CardsPerPage(const PageGeometry& geometry, const PrintPreferences& preferences) {
    if (geometry.charHeight <= 0) {
        return 1;
    }
    const int lines = geometry.height / geometry.charHeight - kHeaderFooterRows;
    return lines <= 0 ? 1 : DivideRoundingUp(lines, RowsPerCard(preferences));
}

int PageCount(int cardCount, int cardsPerPage) {
    if (cardCount <= 0) {
        return 0;
    }
    return DivideRoundingUp(cardCount, cardsPerPage < 1 ? 1 : cardsPerPage);
}

int PageCount(const CardCollection& collection, const PrintJob& job, const PageGeometry& geometry) {
    const PrintedCards cards(collection, job.selection, job.preferences);
    return PageCount(cards.Count(), CardsPerPage(geometry, job.preferences));
}

std::vector<TextDraw> LayoutPage(const CardCollection& collection, const PrintJob& job,
                                 const PageGeometry& geometry, int page) {
    std::vector<TextDraw> draws;
    draws.push_back({0, 0, OnOneRow(job.title)});
    draws.push_back({geometry.width - kProductNameRoom, 0, kPrintProductName});
    // The footer's row starts 100 pixels above the bottom, or higher when the
    // font is taller than that (a printer of high resolution), so that the
    // page number and date never run off the page.
    const int footerY = geometry.height - std::max(kFooterRise, geometry.charHeight);
    draws.push_back({geometry.width / 2, footerY, std::to_string(page)});
    draws.push_back({0, footerY, OnOneRow(job.date)});

    const PrintedCards cards(collection, job.selection, job.preferences);
    const int perPage = CardsPerPage(geometry, job.preferences);
    const int rows = RowsPerCard(job.preferences);
    if (page < 1 || page > PageCount(cards.Count(), perPage)) {
        return draws;
    }
    const int start = (page - 1) * perPage;
    const int end = start + std::min(perPage, cards.Count() - start);
    int firstRow = 3;
    for (int position = start; position < end; ++position, firstRow += rows) {
        if (const CardRecord* card = cards.At(position)) {
            AddCard(draws, *card, position + 1, firstRow, geometry, job.preferences);
        }
    }
    return draws;
}

}  // namespace quillox::output
