// The card list: categories, sorting and what the cells show.
#include <wx/statusbr.h>

#include "app/app_fixture.h"
#include "cards/card_list_rows.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

std::string ItemCount() {
    return GetMainFrame()->GetStatusBar()->GetStatusText(cmd::kItemCountPane).utf8_string();
}

void ClickHeading(unsigned column) {
    wxDataViewCtrl* list = GetMainFrame()->ActiveView()->ListControl();
    wxDataViewEvent event(wxEVT_DATAVIEW_COLUMN_HEADER_CLICK, list, list->GetColumn(column));
    event.SetColumn(static_cast<int>(column));
    list->ProcessWindowEvent(event);
    ProcessPendingEvents();
}

}  // namespace

TEST_F(AppTest, CategoriesShowTheirCardsCountsAndHeadings) {
    const std::string path = WriteFile(
        "mixed.qxf",
        {{0, "b site"}, {0, "A site"}, {7, "bank"}, {4, "online"}, {3, "gone", "", true}});
    ASSERT_NE(OpenDocument(path), nullptr);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"A site", "b site"}));

    ChooseCategory("Online Banking");
    EXPECT_EQ(Column(0), std::vector<std::string>{"online"});
    EXPECT_EQ(ItemCount(), "Items: 1");
    EXPECT_EQ(ActiveView()->ListControl()->GetColumn(0)->GetTitle(), "Bank");

    ChooseCategory("Newsgroups");
    EXPECT_TRUE(Column(0).empty());
    EXPECT_EQ(ItemCount(), "Items: 0");

    ChooseCategory("Show All");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"A site", "b site", "bank", "online"}));
    EXPECT_EQ(ItemCount(), "Items: 4");
    EXPECT_EQ(ActiveView()->ListControl()->GetColumn(1)->GetTitle(), "User ID");
}

TEST_F(AppTest, HeadingClicksSortBothWaysWithOneSharedFlag) {
    CardListRows::SetReverseSort(true);
    const std::string path = WriteFile("sort.qxf", {{0, "b", "3"}, {0, "c", "1"}, {0, "a", "2"}});
    ASSERT_NE(OpenDocument(path), nullptr);
    ChooseCategory("WWW Sites");
    ClickHeading(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"a", "b", "c"}));
    ClickHeading(0);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"c", "b", "a"}));
    // The next heading continues from the flag the last click left.
    ClickHeading(2);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"c", "a", "b"}));
    // A refill brings back the name order.
    ChooseCategory("WWW Sites");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(AppTest, PasswordsAndDatesFollowThePreferencesAtPaintTime) {
    const std::string path = WriteFile(
        "cells.qxf",
        {{0, "with", "secret", false, kMacToUnixEpochSeconds + 86400 * 365}, {0, "without", ""}});
    ASSERT_NE(OpenDocument(path), nullptr);
    ChooseCategory("WWW Sites");
    EXPECT_EQ(Column(2), (std::vector<std::string>{"****", ""}));
    prefs::Write(prefs::kShowPasswordAlways, 1);
    EXPECT_EQ(Column(2), (std::vector<std::string>{"secret", ""}));

    const CardRecord* card = ActiveDoc()->Cards().Category(0).At(0);
    prefs::Write(prefs::kDateFormat, 4);
    const std::string iso = Column(4)[0];
    prefs::Write(prefs::kDateFormat, 11);
    EXPECT_NE(Column(4)[0], iso);
    EXPECT_EQ(Column(4)[0], FormatCardDate(card->GetModified(), 11));
}

TEST_F(AppTest, SelectingACardMakesItTheCurrentOne) {
    const std::string path = WriteFile("select.qxf", {{0, "one"}, {0, "two"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(ActiveView()->SelectionMark(), -1);
    EXPECT_FALSE(IsEnabled(cmd::kLoadWebPageTool));
    const CardRecord* two = document->Cards().Category(0).At(1);
    ActiveView()->SelectCard(two);
    EXPECT_EQ(ActiveView()->CurrentCard(), two);
    EXPECT_EQ(ActiveView()->SelectionMark(), 1);
    EXPECT_TRUE(IsEnabled(cmd::kGetWebPageTool));
}
