#include <gtest/gtest.h>

#include "cards/card_search.h"

namespace quillox {
namespace {

CardRecord* Add(CardCollection& collection, int id, const std::string& name) {
    auto card = std::make_unique<CardRecord>();
    card->SetField1(name);
    card->SetCategoryId(static_cast<CategoryId>(id));
    CardRecord* raw = card.get();
    collection.AddCard(id, std::move(card));
    return raw;
}

TEST(CardSearch, ListFollowsTheSearchOrderAndLeavesOutDeletedCards) {
    CardCollection collection;
    CardRecord* misc = Add(collection, 14, "misc");
    CardRecord* login = Add(collection, 5, "login");
    CardRecord* email = Add(collection, 6, "email");
    CardRecord* banking = Add(collection, 4, "banking");
    CardRecord* siteB = Add(collection, 0, "site b");
    CardRecord* siteA = Add(collection, 0, "site a");
    CardRecord* bank = Add(collection, 7, "bank");
    auto gone = std::make_unique<CardRecord>();
    gone->SetField1("deleted");
    gone->SetDeleted(true);
    collection.AddToDeleted(std::move(gone));

    // Within a category the list order counts, not the names.
    EXPECT_EQ(BuildSearchList(collection),
              (std::vector<const CardRecord*>{siteB, siteA, banking, email, login, bank, misc}));
    EXPECT_TRUE(BuildSearchList(CardCollection()).empty());
}

TEST(CardSearch, FindsTheTextInAnyOfTheFiveTextsFromTheStartOn) {
    CardCollection collection;
    Add(collection, 0, "alpha");
    CardRecord* user = Add(collection, 0, "b");
    user->SetField2("alpha-user");
    CardRecord* url = Add(collection, 0, "c");
    url->SetField3("http://alpha.example");
    CardRecord* password = Add(collection, 0, "d");
    password->SetField4("xalphax");
    CardRecord* note = Add(collection, 0, "e");
    note->SetNote(std::string(5000, 'n') + "alpha");
    Add(collection, 0, "none");
    const std::vector<const CardRecord*> list = BuildSearchList(collection);

    EXPECT_EQ(SearchCards(list, "alpha", false, 0), 0);
    EXPECT_EQ(SearchCards(list, "alpha", false, 1), 1);
    EXPECT_EQ(SearchCards(list, "alpha", false, 2), 2);
    EXPECT_EQ(SearchCards(list, "alpha", false, 3), 3);
    EXPECT_EQ(SearchCards(list, "alpha", false, 4), 4);
    EXPECT_EQ(SearchCards(list, "alpha", false, 5), -1);
    EXPECT_EQ(SearchCards(list, "alpha", false, 6), -1);
    EXPECT_EQ(SearchCards(list, "alpha", false, 60), -1);
    // Contiguous bytes only.
    EXPECT_EQ(SearchCards(list, "alha", false, 0), -1);
    // An empty text is in every card, even one whose texts are all empty.
    EXPECT_EQ(SearchCards(list, "", false, 5), 5);
    EXPECT_EQ(SearchCards(list, "", true, 5), 5);
    Add(collection, 1, "");
    EXPECT_EQ(SearchCards(BuildSearchList(collection), "", false, 6), 6);
    EXPECT_EQ(SearchCards({}, "", false, 0), -1);
}

TEST(CardSearch, IgnoreCaseFoldsOnlyTheAsciiLetters) {
    CardCollection collection;
    Add(collection, 0, "MyBank ONLINE");
    Add(collection, 0, "Caf\xC9 [x]");  // É in Windows-1252
    const std::vector<const CardRecord*> list = BuildSearchList(collection);

    EXPECT_EQ(SearchCards(list, "online", false, 0), -1);
    EXPECT_EQ(SearchCards(list, "online", true, 0), 0);
    EXPECT_EQ(SearchCards(list, "mYbAnK", true, 0), 0);
    EXPECT_EQ(SearchCards(list, "ONLINE", false, 0), 0);
    EXPECT_EQ(SearchCards(list, "caf\xC9", true, 0), 1);
    // é (0xE9) and É (0xC9) stay apart; the bytes next to the letters
    // ([ after Z, ` before a) are not letters.
    EXPECT_EQ(SearchCards(list, "caf\xE9", true, 0), -1);
    EXPECT_EQ(SearchCards(list, "{X}", true, 0), -1);
    EXPECT_EQ(SearchCards(list, "[X]", true, 0), 1);
}

}  // namespace
}  // namespace quillox
