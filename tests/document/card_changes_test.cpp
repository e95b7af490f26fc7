#include <gtest/gtest.h>

#include "document/card_changes.h"

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

TEST(CardCommands, DeleteMovesTheCardToTheDeletedCardsEvenFromAStalePosition) {
    CardCollection collection;
    CardRecord* first = Add(collection, 7, "first");
    CardRecord* second = Add(collection, 7, "second");
    ASSERT_TRUE(DeleteCard(collection, 7, *first));
    EXPECT_TRUE(first->IsDeleted());
    EXPECT_EQ(collection.Deleted().At(0), first);
    ASSERT_EQ(collection.Category(7).Count(), 1);
    EXPECT_EQ(second->GetPositionInCategory(), 0) << "the category renumbers what follows";
    // A position that no longer holds is not trusted.
    second->SetPositionInCategory(1);
    ASSERT_TRUE(DeleteCard(collection, 7, *second));
    EXPECT_EQ(collection.Category(7).Count(), 0);
    EXPECT_EQ(collection.Deleted().Count(), 2);
    // A card that is not in the category shown is left alone.
    CardRecord* other = Add(collection, 0, "other");
    EXPECT_FALSE(DeleteCard(collection, 7, *other));
    EXPECT_FALSE(DeleteCard(collection, -1, *other));
    EXPECT_FALSE(other->IsDeleted());
}

TEST(CardCommands, MoveKeepsEverythingButTheCategory) {
    CardCollection collection;
    CardRecord* card = Add(collection, 0, "site");
    card->SetModified(1234);
    card->SetAttributeFlags(3);
    card->SetCategoryText("WWW Sites");
    ASSERT_TRUE(MoveCard(collection, *card, 1));
    EXPECT_EQ(collection.Category(0).Count(), 0);
    ASSERT_EQ(collection.Category(1).At(0), card);
    EXPECT_EQ(card->GetCategoryId(), 1);
    EXPECT_EQ(card->GetModified(), 1234u);
    EXPECT_EQ(card->GetAttributeFlags(), 3);
    EXPECT_EQ(card->GetCategoryText(), "WWW Sites");
    EXPECT_FALSE(MoveCard(collection, *card, 15));
    EXPECT_EQ(collection.Category(1).Count(), 1);
}

TEST(CardCommands, CopiesArePastedOnceIntoARealCategory) {
    CardRecord source;
    source.SetField1("Visa");
    source.SetField2("12/30");
    source.SetField4("1234");
    source.SetNote("n");
    source.SetCategoryId(8);
    source.SetAttributeFlags(3);
    source.SetStateFlags(2);
    source.SetRecordTag(99);
    source.SetModified(5);
    std::unique_ptr<CardRecord> copy = MakeCardCopy(source, 777, 4);
    EXPECT_EQ(copy->GetField1(), "Copy of Visa");
    EXPECT_EQ(copy->GetField4(), "1234");
    EXPECT_EQ(copy->GetNote(), "n");
    EXPECT_EQ(copy->GetAttributeFlags(), 0);
    EXPECT_EQ(copy->GetStateFlags(), CardRecord::kChangedBit);
    EXPECT_EQ(copy->GetRecordTag(), 0u);
    EXPECT_EQ(copy->GetModified(), 777u);
    EXPECT_EQ(copy->GetCategoryText(), "");
    EXPECT_EQ(source.GetField1(), "Visa");

    CardCollection collection;
    EXPECT_TRUE(PasteCard(collection, std::move(copy), "Online Banking"));
    ASSERT_EQ(collection.Category(4).Count(), 1);
    EXPECT_EQ(collection.Category(4).At(0)->GetCategoryId(), 4);
    EXPECT_FALSE(PasteCard(collection, MakeCardCopy(source, 1, 0), "Show All"));
    EXPECT_EQ(collection.TotalStoredSize(), collection.Category(4).StoredSize());
}

}  // namespace
}  // namespace quillox
