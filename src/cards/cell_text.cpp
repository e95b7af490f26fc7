#include "cards/cell_text.h"

#include <cstring>

#include "store/mac_time.h"

namespace quillox {

namespace {

unsigned char FoldCase(unsigned char c) {
    return static_cast<unsigned>(c) - 'A' < 26u ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

}  // namespace

std::string NoteSummary(std::string_view note) {
    std::size_t end = note.find('\n');
    if (end == std::string_view::npos) {
        end = note.find('\r');
    }
    if (end == std::string_view::npos) {
        return std::string(note);
    }
    // A CR LF pair ends the line at the CR: that is a proper line break and
    // needs no "..." to say more follows; a lone LF or CR does.
    const std::string_view line = note.substr(0, end);
    const std::size_t cut = line.find_first_of("\r\n");
    if (cut != std::string_view::npos) {
        return std::string(line.substr(0, cut));
    }
    return std::string(line) + "...";
}

std::string CellText(const CardRecord& card, int column, const CellOptions& options) {
    switch (column) {
        case 0:
            return std::string(card.GetField1());
        case 1:
            return std::string(card.GetField3());
        case 2:
            if (options.showPasswordAlways) {
                return std::string(card.GetField4());
            }
            return card.GetField4().empty() ? std::string() : std::string("****");
        case 3:
            return NoteSummary(card.GetNote());
        case 4:
            return FormatCardDate(card.GetModified(), options.dateFormat);
        case 5:
            return std::string(card.GetField2());
        default:
            return std::string();
    }
}

bool ColumnHeadings(const std::string& categoryName,
                    std::array<std::string, kListColumnCount>& headings) {
    const std::string labelsOf =
        categoryName == kShowAllName ? CategoryDisplayName(0) : categoryName;
    std::string label1, label2, label3, label4;
    if (GetFieldLabels(labelsOf, label1, label2, label3, label4) == 0) {
        return false;
    }
    headings = {label1, label3, label4, "Note", "Last Modified", label2};
    return true;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    std::size_t i = 0;
    while (i < common) {
        // Sorted names share long beginnings: pass over equal bytes eight at a time.
        if (i + 8 <= common && std::memcmp(a.data() + i, b.data() + i, 8) == 0) {
            i += 8;
            continue;
        }
        const unsigned char x = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = FoldCase(static_cast<unsigned char>(b[i]));
        if (x != y) {
            return x < y ? -1 : 1;
        }
        ++i;
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace quillox
