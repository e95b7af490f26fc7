#pragma once

#include <memory>
#include <string>

#include "store/card_collection.h"

namespace quillox::testing {

// Cards the size people keep: a name, an address, a login and a password,
// and now and then a two-line note, spread over the fifteen categories.
inline void AddTypicalCards(CardCollection& collection, int count) {
    for (int i = 0; i < count; ++i) {
        auto card = std::make_unique<CardRecord>();
        const std::string n = std::to_string(i);
        const int category = i % kCategoryCount;
        card->SetCategoryId(static_cast<CategoryId>(category));
        card->SetField1("Example site " + n);
        card->SetField2("https://www.example" + n + ".com/login");
        card->SetField3("user" + n + "@example.org");
        card->SetField4("Pw!" + n + "xyz");
        if (i % 4 == 0) {
            card->SetNote("Security question: first pet\r\nAnswer: Rex " + n);
        }
        card->SetModified(3000000000u + static_cast<unsigned>(i));
        collection.AddCard(category, std::move(card));
    }
}

}  // namespace quillox::testing
