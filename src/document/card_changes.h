#pragma once

#include <memory>
#include <string>

#include "store/card_collection.h"

// What the document's card operations do to its collection, without any window.
namespace quillox {

// The collection's own card that card is: looked for in its category (at its
// PositionInCategory first), then in all fifteen; null when the collection
// does not hold it.
CardRecord* FindCard(CardCollection& collection, const CardRecord& card);

// Moves card from its category's list into the deleted cards and marks it
// deleted. The card is found in category categoryId (the category shown) at
// its PositionInCategory, or else by looking for it; false when it is not there.
bool DeleteCard(CardCollection& collection, int categoryId, const CardRecord& card);

// Moves card to category targetId, keeping every field but its category
// number; false when it is not found in its own category.
bool MoveCard(CardCollection& collection, const CardRecord& card, int targetId);

// The card Copy Card keeps: "Copy of " and the name, the other texts, the
// category number, stamped now, no web attributes, only the changed flag.
std::unique_ptr<CardRecord> MakeCardCopy(const CardRecord& source, MacTime now, int dateFormat);

// Puts a copied card into the named category; for a name that is no
// category ("Show All") the card is discarded. True when a category took it.
bool PasteCard(CardCollection& collection, std::unique_ptr<CardRecord> card,
               const std::string& categoryName);

}  // namespace quillox
