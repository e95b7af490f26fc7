#include "output/printed_cards.h"

#include <array>

namespace quillox::output {

namespace {

// "Show All" prints Online Banking fifth, unlike the category bar and the exports.
constexpr std::array<CategoryId, kCategoryCount> kShowAllOrder = {0, 1, 2,  3,  4,  5,  6, 7,
                                                                  8, 9, 10, 11, 12, 13, 14};

}  // namespace

PrintedCards::PrintedCards(const CardCollection& collection, const std::string& selection,
                           const PrintPreferences& preferences)
    : collection_(collection), preferences_(preferences), single_(FindCategoryByName(selection)) {
    if (single_ >= 0) {
        count_ = collection.Category(single_).Count();
        return;
    }
    if (selection == kShowAllName) {
        for (const CategoryId id : kShowAllOrder) {
            if (preferences.Includes(id)) {
                count_ += collection.Category(id).Count();
            }
        }
    }
}

const CardRecord* PrintedCards::At(int position) const {
    if (position < 0 || position >= count_) {
        return nullptr;
    }
    if (single_ >= 0) {
        return collection_.Category(single_).At(position);
    }
    for (const CategoryId id : kShowAllOrder) {
        if (!preferences_.Includes(id)) {
            continue;
        }
        const CardCategory& category = collection_.Category(id);
        if (position < category.Count()) {
            return category.At(position);
        }
        position -= category.Count();
    }
    return nullptr;
}

}  // namespace quillox::output
