#include <gtest/gtest.h>

#include "store/card_collection.h"

namespace quillox {
namespace {

std::unique_ptr<CardRecord> Named(const std::string& name) {
    auto card = std::make_unique<CardRecord>();
    card->SetField1(name);
    return card;
}

TEST(CardCategory, RemoveTakesTheCardOutAndClosesTheGap) {
    CardCategory category;
    EXPECT_EQ(category.Append(Named("a")), 1);
    category.Append(Named("b"));
    EXPECT_EQ(category.Append(Named("c")), 3);
    EXPECT_EQ(category.Remove(-1), nullptr);
    EXPECT_EQ(category.Remove(3), nullptr);
    std::unique_ptr<CardRecord> removed = category.Remove(0);
    ASSERT_NE(removed, nullptr);
    EXPECT_EQ(removed->GetField1(), "a");
    ASSERT_EQ(category.Count(), 2);
    EXPECT_EQ(category.At(0)->GetField1(), "b");
    EXPECT_EQ(category.At(1)->GetField1(), "c");
    EXPECT_EQ(category.At(2), nullptr);
    EXPECT_EQ(CardCategory().Remove(0), nullptr);
    // Every card knows where it stands, whatever it said before it came.
    removed->SetPositionInCategory(7);
    category.Append(std::move(removed));
    for (int position = 0; position < category.Count(); ++position) {
        EXPECT_EQ(category.At(position)->GetPositionInCategory(), position);
    }
    category.Remove(1);
    EXPECT_EQ(category.At(1)->GetPositionInCategory(), 1);
}

TEST(CardCollection, SizesCountDeletedCardsAndRejectUnknownCategories) {
    CardCollection collection;
    EXPECT_EQ(collection.TotalStoredSize(), 0u);
    EXPECT_FALSE(collection.AddCard(15, Named("x")));
    EXPECT_FALSE(collection.AddCard(-1, Named("x")));
    EXPECT_EQ(collection.RemoveCard(15, 0), nullptr);
    EXPECT_EQ(collection.TotalStoredSize(), 0u);

    collection.AddToDeleted(Named("gone"));
    EXPECT_EQ(collection.TotalStoredSize(), 24u + 4u + 5u);
    auto card = Named("abc");
    card->SetNote("note");
    collection.AddCard(3, std::move(card));
    EXPECT_EQ(collection.Category(3).StoredSize(), 24u + 3u + 4u + 5u);
    EXPECT_THROW(collection.Category(15), std::out_of_range);
}

TEST(CardRecord, FlagSettersChangeOnlyTheirBit) {
    CardRecord card;
    card.SetAttributeFlags(0xF0);
    card.SetAutomaticAccess(true);
    card.SetNewBrowserWindow(true);
    EXPECT_EQ(card.GetAttributeFlags(), 0xF3);
    card.SetAutomaticAccess(false);
    EXPECT_EQ(card.GetAttributeFlags(), 0xF1);
    card.SetStateFlags(0x01);
    card.SetDeleted(true);
    card.SetChanged(true);
    EXPECT_EQ(card.GetStateFlags(), 0x07);
    card.SetDeleted(false);
    EXPECT_EQ(card.GetStateFlags(), 0x05);
}

TEST(CardRecord, CopiesAreIndependentOfTheOriginal) {
    CardRecord original;
    original.SetField1("name");
    original.SetField4("secret");
    original.SetCategoryText("WWW Pages");
    original.SetModifiedText("25-12-1999");
    original.SetAutomaticAccess(true);
    CardRecord copy = original;
    copy.SetField4("changed");
    copy.SetCategoryText("Bank Accounts");
    EXPECT_EQ(original.GetField4(), "secret");
    EXPECT_EQ(original.GetCategoryText(), "WWW Pages");
    EXPECT_EQ(copy.GetField1(), "name");
    EXPECT_EQ(copy.GetModifiedText(), "25-12-1999");
    EXPECT_TRUE(copy.IsAutomaticAccess());
    copy = original;
    EXPECT_EQ(copy.GetField4(), "secret");
    EXPECT_EQ(copy.GetCategoryText(), "WWW Pages");
}

}  // namespace
}  // namespace quillox
