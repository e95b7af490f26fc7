#include "cards/card_list_rows.h"

#include <algorithm>
#include <utility>

#include "cards/cell_text.h"

namespace quillox {

namespace {

bool reverseSort = true;

// Orders rows by one of a card's texts. Finding a text scans the card's block,
// so each row's text is found once, not in every comparison.
void SortByText(std::vector<const CardRecord*>& rows, CardRecord::Text which, bool descending) {
    std::vector<std::pair<std::string_view, const CardRecord*>> keyed;
    keyed.reserve(rows.size());
    for (const CardRecord* card : rows) {
        keyed.emplace_back(card->GetText(which), card);
    }
    const auto before = [descending](const auto& a, const auto& b) {
        const int order = CompareNoCase(a.first, b.first);
        return descending ? order > 0 : order < 0;
    };
    std::stable_sort(keyed.begin(), keyed.end(), before);
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        rows[i] = keyed[i].second;
    }
}

// Equal times compare equal, so the stable sort keeps their order.
void SortByModified(std::vector<const CardRecord*>& rows, bool descending) {
    const auto before = [descending](const CardRecord* a, const CardRecord* b) {
        return descending ? b->GetModified() < a->GetModified()
                          : a->GetModified() < b->GetModified();
    };
    std::stable_sort(rows.begin(), rows.end(), before);
}

void AppendCategory(const CardCategory& category, std::vector<const CardRecord*>& rows) {
    for (const auto& card : category) {
        rows.push_back(card);
    }
}

}  // namespace

bool CardListRows::Fill(const CardCollection& collection, const std::string& categoryName) {
    rows_.clear();
    if (categoryName == kShowAllName) {
        rows_.reserve(static_cast<std::size_t>(CardCountFor(collection, categoryName)));
        for (const CategoryId id : CategoryDisplayOrder()) {
            AppendCategory(collection.Category(id), rows_);
        }
    } else {
        const int id = FindCategoryByName(categoryName);
        if (id < 0) {
            return false;
        }
        rows_.reserve(static_cast<std::size_t>(collection.Category(id).Count()));
        AppendCategory(collection.Category(id), rows_);
    }
    SortByText(rows_, CardRecord::kField1, false);
    return true;
}

void CardListRows::SortByColumn(int column) {
    reverseSort = !reverseSort;
    switch (column) {
        case 0:
            SortByText(rows_, CardRecord::kField1, reverseSort);
            break;
        case 1:
            SortByText(rows_, CardRecord::kField3, reverseSort);
            break;
        case 2:
            SortByText(rows_, CardRecord::kField4, reverseSort);
            break;
        case 3:
            SortByText(rows_, CardRecord::kNote, reverseSort);
            break;
        case 4:
            SortByModified(rows_, reverseSort);
            break;
        case 5:
            SortByText(rows_, CardRecord::kField2, reverseSort);
            break;
        default:
            break;
    }
}

int CardListRows::RowOf(const CardRecord* card) const {
    const auto found = std::find(rows_.begin(), rows_.end(), card);
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin());
}

bool CardListRows::ReverseSort() {
    return reverseSort;
}

void CardListRows::SetReverseSort(bool on) {
    reverseSort = on;
}

long CardCountFor(const CardCollection& collection, const std::string& categoryName) {
    if (categoryName == kShowAllName) {
        long count = 0;
        for (int id = 0; id < kCategoryCount; ++id) {
            count += collection.Category(id).Count();
        }
        return count;
    }
    const int id = FindCategoryByName(categoryName);
    return id < 0 ? -1 : collection.Category(id).Count();
}

}  // namespace quillox
