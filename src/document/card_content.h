#pragma once

#include <string>

#include "store/card_record.h"

namespace quillox {

// What the card editor sets in a card: the five texts (Windows-1252 bytes)
// and the two web attributes.
struct CardContent {
    std::string field1 = "Untitled";
    std::string field2, field3, field4, note;
    bool newBrowserWindow = false;
    bool automaticAccess = false;
};

// Takes the texts and the two attributes of the form and marks the card
// changed; its category and modification time stay.
void ApplyFormToCard(const CardContent& form, CardRecord& card);

}  // namespace quillox
