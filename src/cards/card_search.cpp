#include "cards/card_search.h"

#include <algorithm>
#include <array>

namespace quillox {

namespace {

// Email Accounts (6) comes before Login Accounts (5): the order users of
// older versions know from Find, which differs from the category bar's.
constexpr std::array<int, kCategoryCount> kSearchOrder = {0, 1, 2,  3,  4,  6,  5, 7,
                                                          8, 9, 10, 11, 12, 13, 14};

char UpperAscii(char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<char>(byte - 'a' + 'A') : byte;
}

bool Contains(std::string_view haystack, std::string_view needle, bool ignoreCase) {
    if (!ignoreCase) {
        return haystack.find(needle) != std::string_view::npos;
    }
    if (needle.empty()) {
        return true;
    }
    const auto found = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                                   [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
    return found != haystack.end();
}

bool CardContains(const CardRecord& card, std::string_view text, bool ignoreCase) {
    for (int which = CardRecord::kField1; which <= CardRecord::kNote; ++which) {
        if (Contains(card.GetText(static_cast<CardRecord::Text>(which)), text, ignoreCase)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<const CardRecord*> BuildSearchList(const CardCollection& cards) {
    std::vector<const CardRecord*> list;
    for (const int id : kSearchOrder) {
        for (const auto& card : cards.Category(id)) {
            list.push_back(card);
        }
    }
    return list;
}

int SearchCards(const std::vector<const CardRecord*>& list, std::string_view text, bool ignoreCase,
                int start) {
    const int count = static_cast<int>(list.size());
    for (int index = std::max(start, 0); index < count; ++index) {
        if (CardContains(*list[index], text, ignoreCase)) {
            return index;
        }
    }
    return -1;
}

}  // namespace quillox
