// Creating, editing, deleting, moving, copying and pasting cards.
#include <wx/clipbrd.h>
#include <wx/statusbr.h>

#include "app/app_fixture.h"
#include "cards/card_dialog.h"
#include "cards/card_form.h"
#include "store/card_file.h"
#include "ui/command_ids.h"
#include "ui/test_clipboard.h"

using namespace quillox;

namespace {

// Answers the card editor: checks what it shows, then presses its default button.
ExpectDialog<CCardDlg> PressDefault(std::function<void(const CardForm&)> check = nullptr) {
    return ExpectDialog<CCardDlg>([check](CCardDlg* dialog) {
        if (check) {
            check(dialog->Result());
        }
        return wxID_OK;
    });
}

std::string ItemCount() {
    return GetMainFrame()->GetStatusBar()->GetStatusText(cmd::kItemCountPane).utf8_string();
}

}  // namespace

TEST_F(AppTest, NewCardsStartFromTheCategoryShown) {
    SendCommand(wxID_NEW);
    CQuilloxNewDoc* document = ActiveDoc();
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    wxTEST_DIALOG(SendCommand(cmd::kNewCard), PressDefault([](const CardForm& form) {
                      EXPECT_EQ(form.field1, "Untitled");
                      EXPECT_EQ(form.field2, "http://");
                      EXPECT_EQ(form.categoryName, "WWW Sites");
                  }));
    ASSERT_EQ(document->Cards().Category(0).Count(), 1);
    const CardRecord* card = document->Cards().Category(0).At(0);
    EXPECT_TRUE(card->IsChanged());
    EXPECT_LE(CurrentMacTime() - card->GetModified(), 5u);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(Column(0), std::vector<std::string>{"Untitled"});

    ChooseCategory("Show All");
    wxTEST_DIALOG(SendCommand(cmd::kAddCardTool), ExpectMessage("Please select a category first."));
    EXPECT_EQ(document->Cards().Category(0).Count(), 1);
}

TEST_F(AppTest, EditingWithoutChangesKeepsEveryByteOfTheNote) {
    const std::string path =
        WriteFile("notes.qxf", {{0, "site", "pw", false, 0, "", "first line\r\nsecond line"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    const CardRecord* card = document->Cards().Category(0).At(0);
    const MacTime stamp = card->GetModified();
    ActiveView()->SelectCard(card);
    EXPECT_TRUE(IsEnabled(cmd::kEditCard));
    wxTEST_DIALOG(SendCommand(cmd::kEditCard), PressDefault([](const CardForm& form) {
                      EXPECT_TRUE(form.editMode);
                      EXPECT_EQ(form.note, "first line\r\nsecond line");
                  }));
    EXPECT_EQ(card->GetNote(), "first line\r\nsecond line");
    EXPECT_EQ(card->GetModified(), stamp);
    EXPECT_TRUE(card->IsChanged());
    EXPECT_TRUE(document->IsModified());

    // A double click edits the row's card the same way.
    CardContent bare;
    bare.field1 = "site";
    bare.field4 = "pw";
    bare.note = "bare\nline feed";
    ASSERT_TRUE(document->ApplyCardForm(*card, bare));
    wxDataViewCtrl* list = ActiveView()->ListControl();
    wxDataViewEvent activated(wxEVT_DATAVIEW_ITEM_ACTIVATED, list, list->GetSelection());
    wxTEST_DIALOG(list->ProcessWindowEvent(activated), PressDefault());
    EXPECT_EQ(card->GetNote(), "bare\nline feed");
    // The row shows the card again, password masked.
    EXPECT_EQ(Column(2), std::vector<std::string>{"****"});
}

TEST_F(AppTest, DeletedCardsLeaveTheListAndAreSavedAsDeleted) {
    const std::string path = WriteFile("delete.qxf", {{7, "closed account"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    ChooseCategory("Bank Accounts");
    EXPECT_FALSE(IsEnabled(cmd::kDeleteCard));
    ActiveView()->SelectCard(document->Cards().Category(7).At(0));
    EXPECT_TRUE(IsEnabled(cmd::kDeleteCard));
    wxTEST_DIALOG(SendCommand(cmd::kDeleteCard),
                  ExpectMessage("Are you sure you want to delete this card?", wxID_CANCEL));
    EXPECT_EQ(document->Cards().Category(7).Count(), 1);
    wxTEST_DIALOG(SendCommand(cmd::kDeleteCard),
                  ExpectMessage("Are you sure you want to delete this card?", wxID_OK));
    EXPECT_TRUE(Column(0).empty());
    EXPECT_EQ(ItemCount(), "Items: 0");
    SendCommand(wxID_SAVE);

    CardCollection reread;
    ASSERT_TRUE(LoadCardFileFromPath(path, reread, {}).ok);
    EXPECT_EQ(reread.Category(7).Count(), 0);
    ASSERT_EQ(reread.Deleted().Count(), 1);
    EXPECT_TRUE(reread.Deleted().At(0)->IsDeleted());

    // No deleting from "Show All", even with a row selected.
    document->AddCard(7, std::make_unique<CardRecord>());
    ChooseCategory("Show All");
    ActiveView()->SelectCard(document->Cards().Category(7).At(0));
    EXPECT_FALSE(IsEnabled(cmd::kDeleteCard));
    EXPECT_FALSE(IsEnabled(cmd::kDeleteCardTool));
}

TEST_F(AppTest, MovingACardShowsItInItsNewCategory) {
    const std::string path = WriteFile("move.qxf", {{0, "form site"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    const CardRecord* card = document->Cards().Category(0).At(0);
    ActiveView()->SelectCard(card);
    wxTEST_DIALOG(SendCommand(cmd::kChangeCategory[0]),
                  ExpectMessage("Card already in this category"));
    EXPECT_EQ(card->GetCategoryId(), 0);
    SendCommand(cmd::kChangeCategory[1]);
    EXPECT_EQ(Frame()->CurrentCategory(), "WWW Forms");
    EXPECT_EQ(card->GetCategoryId(), 1);
    EXPECT_EQ(ActiveView()->CurrentCard(), card);
    SendCommand(wxID_SAVE);
    CardCollection reread;
    ASSERT_TRUE(LoadCardFileFromPath(path, reread, {}).ok);
    EXPECT_EQ(reread.Category(1).Count(), 1);
}

TEST_F(AppTest, FieldsGoToTheClipboardAndCardsArePastedOnce) {
    const std::string path =
        WriteFile("copy.qxf", {{8, "Visa", "4321", false, 0, "4111 1111", "", 3}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    ChooseCategory("Credit Cards");
    const CardRecord* card = document->Cards().Category(8).At(0);
    ActiveView()->SelectCard(card);
    SendCommand(cmd::kCopyPasswordMenu);
    EXPECT_EQ(ClipboardText(), "4321");
    SendCommand(cmd::kCopyName);
    EXPECT_EQ(ClipboardText(), "Visa");
    SendCommand(cmd::kCopyUserId);
    EXPECT_EQ(ClipboardText(), "4111 1111");

    EXPECT_FALSE(IsEnabled(cmd::kPasteCard));
    SendCommand(cmd::kCopyCard);
    EXPECT_TRUE(IsEnabled(cmd::kPasteCard));
    SendCommand(cmd::kPasteCard);
    ASSERT_EQ(document->Cards().Category(8).Count(), 2);
    const CardRecord* pasted = document->Cards().Category(8).At(1);
    EXPECT_EQ(pasted->GetField1(), "Copy of Visa");
    EXPECT_EQ(pasted->GetAttributeFlags(), 0);
    EXPECT_EQ(card->GetAttributeFlags(), 3);
    EXPECT_FALSE(IsEnabled(cmd::kPasteCard));

    // Pasting into "Show All" takes no card but still counts as a change.
    ActiveView()->SelectCard(card);
    SendCommand(cmd::kCopyCard);
    document->Modify(false);
    ChooseCategory("Show All");
    SendCommand(cmd::kPasteCard);
    EXPECT_EQ(document->Cards().Category(8).Count(), 2);
    EXPECT_TRUE(document->IsModified());
    EXPECT_FALSE(IsEnabled(cmd::kPasteCard));
}

TEST_F(AppTest, APageFromTheBrowserBecomesANewCard) {
    SendCommand(wxID_NEW);
    CQuilloxNewDoc* document = ActiveDoc();
    ASSERT_NE(document, nullptr);
    ChooseCategory("FTP Servers");
    wxTEST_DIALOG(ActiveView()->NewCardFromWebPage("", "ftp://files.example"),
                  PressDefault([](const CardForm& form) {
                      EXPECT_EQ(form.field1, "");
                      EXPECT_EQ(form.field2, "ftp://files.example");
                      EXPECT_EQ(form.labels[0], "Name:");
                  }));
    ASSERT_EQ(document->Cards().Category(2).Count(), 1);
    EXPECT_EQ(document->Cards().Category(2).At(0)->GetField2(), "ftp://files.example");
    ChooseCategory("Show All");
    wxTEST_DIALOG(ActiveView()->NewCardFromWebPage("Title", "http://x"),
                  ExpectMessage("Please select a category first."));
}

TEST_F(AppTest, ACopiedCardStaysWithTheWindowThatCopiedIt) {
    CQuilloxNewDoc* first = OpenDocument(WriteFile("one.qxf", {{0, "source"}}));
    ASSERT_NE(first, nullptr);
    ChooseCategory("WWW Sites");
    ActiveView()->SelectCard(first->Cards().Category(0).At(0));
    SendCommand(cmd::kCopyCard);
    CQuilloxNewDoc* second = OpenDocument(WriteFile("two.qxf", {{0, "other"}}));
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(ActiveDoc(), second);
    // The flag is the program's, so Paste Card is offered here too, but this
    // window has nothing to paste.
    EXPECT_TRUE(IsEnabled(cmd::kPasteCard));
    SendCommand(cmd::kPasteCard);
    EXPECT_EQ(second->Cards().Category(0).Count(), 1);
    EXPECT_FALSE(second->IsModified());
}
