#pragma once

#include <string_view>
#include <vector>

#include "store/card_collection.h"

namespace quillox {

// The live cards of the fifteen categories in the order Find visits them,
// each category in its list order; the list refers to the cards, it does not
// own them. Deleted cards are left out.
std::vector<const CardRecord*> BuildSearchList(const CardCollection& cards);

// Index of the first card at or after start whose name, two middle fields,
// password or note contains text, or -1. With ignoreCase only the bytes a to
// z are folded (to A to Z) on both sides; an empty text is found in every card.
int SearchCards(const std::vector<const CardRecord*>& list, std::string_view text, bool ignoreCase,
                int start);

}  // namespace quillox
