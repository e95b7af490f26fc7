#include "output/print_layout.h"

#include <algorithm>

#include "output/line_breaks.h"
#include "output/printed_cards.h"
#include "store/text_codec.h"

namespace quillox::output {

namespace {

constexpr int kLabelIndent = 50;
constexpr const char* kEllipsis = "\xE2\x80\xA6";

// One row of a card's block: the texts on it, by their x.
using Row = std::vector<std::pair<int, std::string>>;

// The title and the date stay on their row: each line break (CR LF, CR or
// LF) becomes a single space.
std::string OnOneRow(std::string_view text) {
    std::string row;
    row.reserve(text.size());
    ForEachLine(text, [&row](std::string_view line, bool last) {
        row += line;
        if (!last) {
            row += ' ';
        }
    });
    return row;
}

// The title as far as it fits beside the product name, shortened with an
// ellipsis when it is longer.
std::string FittedTitle(const std::string& title, int room, const TextMeasure& measure) {
    if (measure.Width(title) <= room) {
        return title;
    }
    const int shortened = room - measure.Width(kEllipsis);
    return WrapText(title, shortened, measure).front() + kEllipsis;
}

// A label with its value (Windows-1252) on as many rows as the value needs.
void AddValue(std::vector<Row>& rows, const std::string& label, std::string_view value, int valueX,
              int valueWidth, const TextMeasure& measure) {
    const std::vector<std::string> lines = WrapText(Cp1252ToUtf8(value), valueWidth, measure);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Row row;
        if (i == 0) {
            row.emplace_back(kLabelIndent, label);
        }
        row.emplace_back(valueX, lines[i]);
        rows.push_back(std::move(row));
    }
}

// A card's block: an empty row, the category name, the number, the four
// fields and, with notes, the note and an empty row after it.
std::vector<Row> CardBlock(const CardRecord& card, int number, const PageGeometry& geometry,
                           const PrintPreferences& preferences, const TextMeasure& measure) {
    const std::string category = CategoryDisplayName(card.GetCategoryId());
    FieldLabels labels;
    const auto width =
        static_cast<int>(GetFieldLabels(category, labels[0], labels[1], labels[2], labels[3]));
    const int valueX = kLabelIndent + geometry.charWidth * (width + 1);
    const int valueWidth = geometry.width - valueX;
    std::vector<Row> rows;
    rows.emplace_back();
    rows.push_back({{0, category}});
    rows.push_back({{kLabelIndent, "Number"}, {valueX, std::to_string(number)}});
    for (int i = 0; i < 4; ++i) {
        AddValue(rows, labels[static_cast<std::size_t>(i)],
                 card.GetText(static_cast<CardRecord::Text>(i)), valueX, valueWidth, measure);
    }
    if (preferences.printNotes) {
        AddValue(rows, "Notes", card.GetNote(), valueX, valueWidth, measure);
        rows.emplace_back();
    }
    return rows;
}

// Fills pages with blocks of rows below the header.
class PageFiller {
  public:
    PageFiller(const PageGeometry& geometry, int bodyRows)
        : geometry_(geometry), bodyRows_(bodyRows), pages_(1) {}

    void Add(const std::vector<Row>& block) {
        const int rows = static_cast<int>(block.size());
        if (used_ > 0 && used_ + rows > bodyRows_) {
            NewPage();
        }
        for (const Row& row : block) {
            if (used_ == bodyRows_) {
                NewPage();
            }
            const int y = (1 + used_) * geometry_.charHeight;
            for (const auto& [x, text] : row) {
                pages_.back().push_back({x, y, text});
            }
            ++used_;
        }
    }

    std::vector<PrintedPage> Take() { return std::move(pages_); }

  private:
    void NewPage() {
        pages_.emplace_back();
        used_ = 0;
    }

    const PageGeometry& geometry_;
    int bodyRows_;
    std::vector<PrintedPage> pages_;
    int used_ = 0;
};

void AddHeaderAndFooter(PrintedPage& page, int number, const PrintJob& job,
                        const PageGeometry& geometry, const TextMeasure& measure) {
    const int productWidth = measure.Width(kPrintProductName);
    const int titleRoom = geometry.width - productWidth - geometry.charWidth;
    const int footerY = geometry.height - geometry.charHeight;
    page.insert(page.begin(), {{0, 0, FittedTitle(OnOneRow(job.title), titleRoom, measure)},
                               {geometry.width - productWidth, 0, kPrintProductName},
                               {geometry.width / 2, footerY, std::to_string(number)},
                               {0, footerY, OnOneRow(job.date)}});
}

}  // namespace

std::vector<PrintedPage> LayoutPages(const CardCollection& collection, const PrintJob& job,
                                     const PageGeometry& geometry, const TextMeasure& measure) {
    PageGeometry page = geometry;
    page.charHeight = std::max(page.charHeight, 1);
    // The rows between the header's and the footer's; at least one, so that
    // even a page too small for its font makes progress.
    const int bodyRows = std::max(page.height / page.charHeight - 2, 1);
    PageFiller filler(page, bodyRows);
    const PrintedCards cards(collection, job.selection, job.preferences);
    for (int position = 0; position < cards.Count(); ++position) {
        if (const CardRecord* card = cards.At(position)) {
            filler.Add(CardBlock(*card, position + 1, page, job.preferences, measure));
        }
    }
    std::vector<PrintedPage> pages = filler.Take();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        AddHeaderAndFooter(pages[i], static_cast<int>(i) + 1, job, page, measure);
    }
    return pages;
}

}  // namespace quillox::output
