// What the main window shows: the category bar, the item count, the title
// and which commands are offered.
#include <wx/choice.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "cards/card_dialog.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

std::string ItemCount() {
    return GetMainFrame()->GetStatusBar()->GetStatusText(cmd::kItemCountPane).utf8_string();
}

// The frame as the program starts: no category chosen, no count shown.
void AsAtFirstStart() {
    GetMainFrame()->GetCategoryBar()->Selector()->SetSelection(wxNOT_FOUND);
    GetMainFrame()->GetStatusBar()->SetStatusText("Items:", cmd::kItemCountPane);
}

}  // namespace

TEST_F(AppTest, ANewDocumentShowsItsOwnCountUnderTheCategoryTheBarNames) {
    AsAtFirstStart();
    SendCommand(wxID_NEW);
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_EQ(ItemCount(), "Items: 0");
    EXPECT_EQ(Frame()->CurrentCategory(), "WWW Sites");
    EXPECT_EQ(ActiveView()->ShownCategory(), "WWW Sites");
    // So New Card knows where the card goes.
    bool asked = false;
    wxTEST_DIALOG(SendCommand(cmd::kNewCard), ExpectDialog<CCardDlg>([&asked](CCardDlg* dialog) {
                      asked = true;
                      EXPECT_EQ(dialog->Result().categoryName, "WWW Sites");
                      return wxID_CANCEL;
                  }));
    EXPECT_TRUE(asked);

    ASSERT_NE(OpenDocument(WriteFile("three.qxf", {{2, "a"}, {2, "b"}, {2, "c"}})), nullptr);
    ChooseCategory("FTP Servers");
    EXPECT_EQ(ItemCount(), "Items: 3");
    SendCommand(wxID_NEW);
    EXPECT_EQ(ItemCount(), "Items: 0");
    EXPECT_EQ(Frame()->CurrentCategory(), ActiveView()->ShownCategory());
}

TEST_F(AppTest, TheTitleNamesTheActiveDocument) {
    EXPECT_EQ(Frame()->GetTitle(), "Quillox");
    CQuilloxNewDoc* one = OpenDocument(WriteFile("one.qxf", {{0, "a"}}));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(Frame()->GetTitle(), "Quillox - one.qxf");
    ASSERT_NE(OpenDocument(WriteFile("two.qxe", {{0, "b"}})), nullptr);
    EXPECT_EQ(Frame()->GetTitle(), "Quillox - two.qxe");
    dynamic_cast<wxMDIChildFrame*>(one->GetDocumentWindow())->Activate();
    ProcessPendingEvents();
    EXPECT_EQ(Frame()->GetTitle(), "Quillox - one.qxf");
    CloseAllQuietly();
    EXPECT_EQ(Frame()->GetTitle(), "Quillox");
}

TEST_F(AppTest, SetPasswordIsOfferedOnlyWhereItsDocumentAllows) {
    ProcessPendingEvents();
    EXPECT_FALSE(IsEnabled(cmd::kSetPassword));
    EXPECT_FALSE(Frame()->GetToolBar()->GetToolEnabled(cmd::kSetPassword));
    SendCommand(wxID_NEW);
    EXPECT_FALSE(Frame()->GetToolBar()->GetToolEnabled(cmd::kSetPassword));
    ActiveDoc()->AddCard(0, std::make_unique<CardRecord>());
    ProcessPendingEvents();
    EXPECT_TRUE(Frame()->GetToolBar()->GetToolEnabled(cmd::kSetPassword));
}
