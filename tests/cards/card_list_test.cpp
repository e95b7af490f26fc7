#include <gtest/gtest.h>

#include "cards/card_list_rows.h"
#include "cards/cell_text.h"
#include "store/mac_time.h"

namespace quillox {
namespace {

constexpr int kWwwSites = 0;
constexpr int kOnlineBanking = 4;  // number 4, but eighth in the category bar
constexpr int kBankAccounts = 7;

struct Texts {
    const char* field1;
    const char* field2 = "";
    const char* field3 = "";
    const char* field4 = "";
    const char* note = "";
    MacTime modified = 0;
};

CardRecord* Add(CardCollection& collection, int category, const Texts& texts) {
    auto card = std::make_unique<CardRecord>();
    card->SetField1(texts.field1);
    card->SetField2(texts.field2);
    card->SetField3(texts.field3);
    card->SetField4(texts.field4);
    card->SetNote(texts.note);
    card->SetModified(texts.modified);
    card->SetPositionInCategory(99);
    CardRecord* raw = card.get();
    collection.AddCard(category, std::move(card));
    return raw;
}

std::vector<std::string> Column(const CardListRows& rows, CardRecord::Text which) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        texts.emplace_back(rows.At(i)->GetText(which));
    }
    return texts;
}

using Strings = std::vector<std::string>;

class CardListTest : public ::testing::Test {
  protected:
    void SetUp() override { CardListRows::SetReverseSort(true); }
    CardCollection collection_;
    CardListRows rows_;
};

TEST_F(CardListTest, FillOrdersByNameAcrossCategoriesAndSkipsDeletedCards) {
    Add(collection_, kBankAccounts, {"b"});
    Add(collection_, kBankAccounts, {"Apple"});
    Add(collection_, kBankAccounts, {"a"});
    CardRecord* fourth = Add(collection_, kBankAccounts, {"apple"});
    Add(collection_, kBankAccounts, {"A"});
    ASSERT_TRUE(rows_.Fill(collection_, "Bank Accounts"));
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"a", "A", "Apple", "apple", "b"}));
    EXPECT_EQ(fourth->GetPositionInCategory(), 3);
    EXPECT_EQ(rows_.RowOf(fourth), 3);
    EXPECT_EQ(rows_.RowOf(nullptr), -1);

    // Equal names keep the category bar's order, which puts Online Banking
    // after Bank Accounts.
    CardRecord* banking = Add(collection_, kOnlineBanking, {"same", "banking"});
    Add(collection_, kBankAccounts, {"same", "bank"});
    Add(collection_, kWwwSites, {"Zed"});
    Add(collection_, kWwwSites, {"same", "www"});
    auto gone = std::make_unique<CardRecord>();
    gone->SetField1("deleted");
    collection_.AddToDeleted(std::move(gone));
    ASSERT_TRUE(rows_.Fill(collection_, "Show All"));
    EXPECT_EQ(Column(rows_, CardRecord::kField1),
              (Strings{"a", "A", "Apple", "apple", "b", "same", "same", "same", "Zed"}));
    EXPECT_EQ(Column(rows_, CardRecord::kField2)[5], "www");
    EXPECT_EQ(Column(rows_, CardRecord::kField2)[6], "bank");
    EXPECT_EQ(Column(rows_, CardRecord::kField2)[7], "banking");
    EXPECT_EQ(banking->GetPositionInCategory(), 0);

    EXPECT_TRUE(rows_.Fill(collection_, "Credit Cards"));
    EXPECT_EQ(rows_.Count(), 0u);
    ASSERT_TRUE(rows_.Fill(collection_, "WWW Sites"));
    EXPECT_FALSE(rows_.Fill(collection_, "show all"));
    EXPECT_EQ(rows_.Count(), 0u);
    EXPECT_EQ(rows_.At(0), nullptr);
}

TEST_F(CardListTest, ColumnClicksShareOneDirectionFlag) {
    Add(collection_, kWwwSites, {"b", "url2", "x", "pw2", "n\r\nb", 300});
    Add(collection_, kWwwSites, {"C", "URL1", "y", "Pw3", "n\r\na", 100});
    Add(collection_, kWwwSites, {"a", "url3", "Z", "pw1", "m", 200});
    ASSERT_TRUE(rows_.Fill(collection_, "WWW Sites"));

    rows_.SortByColumn(0);
    EXPECT_FALSE(CardListRows::ReverseSort());
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"a", "b", "C"}));
    rows_.SortByColumn(0);
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"C", "b", "a"}));
    rows_.SortByColumn(0);
    rows_.SortByColumn(1);  // right after an ascending sort: descending
    EXPECT_EQ(Column(rows_, CardRecord::kField3), (Strings{"Z", "y", "x"}));
    rows_.SortByColumn(2);  // the real passwords, though the cells show "****"
    EXPECT_EQ(Column(rows_, CardRecord::kField4), (Strings{"pw1", "pw2", "Pw3"}));
    rows_.SortByColumn(3);  // descending
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"b", "C", "a"}));
    rows_.SortByColumn(3);  // b and C differ after their equal first lines
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"a", "C", "b"}));
    rows_.SortByColumn(4);  // descending
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"b", "a", "C"}));
    rows_.SortByColumn(5);
    EXPECT_EQ(Column(rows_, CardRecord::kField2), (Strings{"URL1", "url2", "url3"}));

    // A refill restores the name order whatever the flag says.
    rows_.SortByColumn(5);
    ASSERT_TRUE(rows_.Fill(collection_, "WWW Sites"));
    EXPECT_TRUE(CardListRows::ReverseSort());
    EXPECT_EQ(Column(rows_, CardRecord::kField1), (Strings{"a", "b", "C"}));
}

TEST_F(CardListTest, EqualTimesKeepTheirOrderInBothDirections) {
    // Enough rows that an unstable sort would show: even rows share a late
    // time, odd rows an early one.
    Strings late, early;
    for (int i = 0; i < 40; ++i) {
        const std::string name =
            std::string(1, static_cast<char>('A' + i / 10)) + static_cast<char>('0' + i % 10);
        (i % 2 == 0 ? late : early).push_back(name);
        Add(collection_, kWwwSites, {name.c_str(), "", "", "", "", i % 2 == 0 ? 0xF0000000u : 5u});
    }
    ASSERT_TRUE(rows_.Fill(collection_, "WWW Sites"));
    Strings ascending = early;
    ascending.insert(ascending.end(), late.begin(), late.end());
    Strings descending = late;
    descending.insert(descending.end(), early.begin(), early.end());
    rows_.SortByColumn(4);
    EXPECT_EQ(Column(rows_, CardRecord::kField1), ascending);
    rows_.SortByColumn(4);
    EXPECT_EQ(Column(rows_, CardRecord::kField1), descending);
}

TEST(CardListText, CompareNoCaseFoldsOnlyAsciiLetters) {
    EXPECT_EQ(CompareNoCase("Hello", "hELLO"), 0);
    EXPECT_LT(CompareNoCase("ab", "ABC"), 0);
    EXPECT_GT(CompareNoCase("b", "Abc"), 0);
    EXPECT_LT(CompareNoCase("_", "A"), 0);  // 'A' compares as 'a', above '_'
    EXPECT_GT(CompareNoCase("\xE9", "z"), 0);
    EXPECT_NE(CompareNoCase("\xC9", "\xE9"), 0);
    EXPECT_EQ(CompareNoCase("", ""), 0);
    EXPECT_EQ(CompareNoCase("Example Site 1234", "example site 1234"), 0);
    EXPECT_LT(CompareNoCase("example site 12", "Example Site 13"), 0);
    EXPECT_GT(CompareNoCase("Example Site 2", "example site 13"), 0);
}

TEST(CardListText, NoteSummaryShowsTheFirstLine) {
    EXPECT_EQ(NoteSummary("a\r\nb"), "a");
    EXPECT_EQ(NoteSummary("a\nb"), "a...");
    EXPECT_EQ(NoteSummary("a\rb"), "a...");
    EXPECT_EQ(NoteSummary("one"), "one");
    EXPECT_EQ(NoteSummary(""), "");
    EXPECT_EQ(NoteSummary("\nrest"), "...");
    EXPECT_EQ(NoteSummary("a\rb\nc"), "a");
}

TEST(CardListText, CellsMaskPasswordsAndFormatDates) {
    CardRecord card;
    card.SetField1("name");
    card.SetField2("url");
    card.SetField3("user");
    card.SetField4("secret");
    card.SetNote("first\nsecond");
    card.SetModified(MacTimeFromDate(2021, 3, 4));
    CellOptions options;
    EXPECT_EQ(CellText(card, 0, options), "name");
    EXPECT_EQ(CellText(card, 1, options), "user");
    EXPECT_EQ(CellText(card, 2, options), "****");
    EXPECT_EQ(CellText(card, 3, options), "first...");
    EXPECT_EQ(CellText(card, 4, options), "03/04/21");
    EXPECT_EQ(CellText(card, 5, options), "url");
    EXPECT_EQ(CellText(card, 6, options), "");
    EXPECT_EQ(CellText(card, -1, options), "");
    options.showPasswordAlways = true;
    options.dateFormat = 4;
    EXPECT_EQ(CellText(card, 2, options), "secret");
    EXPECT_EQ(CellText(card, 4, options), "2021-03-04");
    card.SetField4("");
    options.showPasswordAlways = false;
    EXPECT_EQ(CellText(card, 2, options), "");
}

TEST(CardListText, HeadingsFollowTheCategoryLabels) {
    std::array<std::string, kListColumnCount> headings = {"1", "2", "3", "4", "5", "6"};
    EXPECT_FALSE(ColumnHeadings("bank accounts", headings));
    EXPECT_EQ(headings[0], "1");
    ASSERT_TRUE(ColumnHeadings("Bank Accounts", headings));
    EXPECT_EQ(headings, (std::array<std::string, kListColumnCount>{
                            "Bank", "Account Holder", "Account Number", "Note", "Last Modified",
                            "Branch Number"}));
    ASSERT_TRUE(ColumnHeadings("Show All", headings));
    EXPECT_EQ(headings, (std::array<std::string, kListColumnCount>{
                            "Name", "User ID", "Password", "Note", "Last Modified", "URL"}));
}

TEST(CardListText, CountsLeaveOutDeletedCards) {
    CardCollection collection;
    collection.AddCard(kBankAccounts, std::make_unique<CardRecord>());
    collection.AddCard(kBankAccounts, std::make_unique<CardRecord>());
    collection.AddCard(14, std::make_unique<CardRecord>());
    collection.AddToDeleted(std::make_unique<CardRecord>());
    EXPECT_EQ(CardCountFor(collection, "Bank Accounts"), 2);
    EXPECT_EQ(CardCountFor(collection, "Miscellaneous"), 1);
    EXPECT_EQ(CardCountFor(collection, "WWW Sites"), 0);
    EXPECT_EQ(CardCountFor(collection, "Show All"), 3);
    EXPECT_EQ(CardCountFor(collection, "Deleted"), -1);
}

}  // namespace
}  // namespace quillox
