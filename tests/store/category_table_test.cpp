#include <gtest/gtest.h>

#include <algorithm>

#include "store/card_collection.h"
#include "store/category_table.h"

namespace quillox {
namespace {

TEST(CategoryTable, NamesAreExactAndUnknownNumbersFallBackToWwwSites) {
    EXPECT_EQ(FindCategoryByName("Newsgroups"), 3);
    EXPECT_EQ(FindCategoryByName("NewsGroups"), -1);
    EXPECT_EQ(FindCategoryByName("www sites"), -1);
    EXPECT_EQ(FindCategoryByName("Show All"), -1);
    EXPECT_EQ(FindCategoryByName("Miscellaneous"), 14);
    for (int id = 0; id < kCategoryCount; ++id) {
        EXPECT_EQ(FindCategoryByName(CategoryDisplayName(id)), id);
    }
    EXPECT_EQ(CategoryDisplayName(0), "WWW Sites");
    EXPECT_EQ(CategoryDisplayName(100), "WWW Sites");
    EXPECT_EQ(CategoryDisplayName(-3), "WWW Sites");
    EXPECT_EQ(CategoryInfoOf(6).menuText, std::string("EMail Accounts"));
}

TEST(CategoryTable, DisplayOrderShowsOnlineBankingEighth) {
    const auto& order = CategoryDisplayOrder();
    EXPECT_EQ(order[7], 4);
    EXPECT_EQ(order[4], 5);
    std::array<bool, kCategoryCount> seen{};
    for (const CategoryId id : order) {
        seen[id] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), kCategoryCount);
}

TEST(CategoryTable, FieldLabelsByNumberAndByName) {
    std::string a = "a", b = "b", c = "c", d = "d";
    GetFieldLabels(100, a, b, c, d);
    EXPECT_EQ(a + b + c + d, "abcd");
    GetFieldLabels(6, a, b, c, d);
    EXPECT_EQ(c, "UserID");

    EXPECT_EQ(GetFieldLabels("Bank Accounts", a, b, c, d), std::string("Account Number").size());
    EXPECT_EQ(a, "Bank");
    EXPECT_EQ(d, "Account Number");
    EXPECT_EQ(GetFieldLabels("Show All", a, b, c, d), 0u);
    EXPECT_EQ(a, "Bank");

    CardCollection collection;
    EXPECT_EQ(collection.Category(9).GetFieldLabels()[2], "Telephone Number");
    EXPECT_EQ(collection.Deleted().GetFieldLabels()[0], "Field_1");
}

}  // namespace
}  // namespace quillox
