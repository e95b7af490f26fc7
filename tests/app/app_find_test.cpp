// Finding cards with the Find dialog of a document.
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include "app/app_fixture.h"
#include "cards/find_card_dialog.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

// The Find dialogs on screen (those awaiting deletion are gone by now).
std::vector<CFindCardDlg*> FindDialogs() {
    std::vector<CFindCardDlg*> dialogs;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* dialog = dynamic_cast<CFindCardDlg*>(window)) {
            dialogs.push_back(dialog);
        }
    }
    return dialogs;
}

void Type(CFindCardDlg* dialog, const wxString& text) {
    dynamic_cast<wxTextCtrl*>(dialog->FindWindow(CFindCardDlg::kSearchTextId))->SetValue(text);
}

wxCheckBox* IgnoreCase(CFindCardDlg* dialog) {
    return dynamic_cast<wxCheckBox*>(dialog->FindWindow(CFindCardDlg::kIgnoreCaseId));
}

void Press(CFindCardDlg* dialog, int id) {
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(dialog->FindWindow(id));
    dialog->ProcessWindowEvent(event);
    ProcessPendingEvents();
}

// The search's message boxes: the text, "Card Search" and the information icon.
ExpectDialog<wxMessageDialog> SearchMessage(const wxString& text) {
    return ExpectDialog<wxMessageDialog>([text](wxMessageDialog* dialog) {
        EXPECT_EQ(dialog->GetMessage(), text);
        EXPECT_EQ(dialog->GetCaption(), "Card Search");
        EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxICON_INFORMATION);
        EXPECT_TRUE(dialog->GetMessageDialogStyle() & wxOK);
        return wxID_OK;
    });
}

std::string SelectedName(CQuilloxNewView* view) {
    const CardRecord* card = view->CurrentCard();
    return card != nullptr ? std::string(card->GetField1()) : std::string("(none)");
}

}  // namespace

class FindTest : public AppTest {
  protected:
    // Find from the Edit menu; the newest Find dialog, or null.
    static CFindCardDlg* OpenFind() {
        SendCommand(wxID_FIND);
        const std::vector<CFindCardDlg*> dialogs = FindDialogs();
        return dialogs.empty() ? nullptr : dialogs.back();
    }
};

TEST_F(FindTest, FindGoesThroughTheSearchOrderAndFindAgainStopsAtTheEnd) {
    const std::string path = WriteFile(
        "shops.qxf",
        {{6, "mail shop"}, {5, "login shop"}, {7, "savings"}, {4, "bank shop"}, {0, "shop front"}});
    ASSERT_NE(OpenDocument(path), nullptr);
    CFindCardDlg* dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->GetTitle(), "Find Card");
    Type(dialog, "shop");

    const auto expectShown = [](const std::string& category, const std::string& name) {
        EXPECT_EQ(Frame()->CurrentCategory(), category);
        EXPECT_EQ(ActiveView()->ShownCategory(), category);
        EXPECT_EQ(SelectedName(ActiveView()), name);
    };
    Press(dialog, CFindCardDlg::kFindId);
    expectShown("WWW Sites", "shop front");
    Press(dialog, CFindCardDlg::kFindAgainId);
    expectShown("Online Banking", "bank shop");
    Press(dialog, CFindCardDlg::kFindAgainId);
    expectShown("Email Accounts", "mail shop");
    Press(dialog, CFindCardDlg::kFindAgainId);
    expectShown("Login Accounts", "login shop");
    // No wrap-around: the list stays on the last hit until Find starts over.
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindAgainId), SearchMessage("No More Cards Found"));
    expectShown("Login Accounts", "login shop");
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindAgainId), SearchMessage("No More Cards Found"));
    Press(dialog, CFindCardDlg::kFindId);
    expectShown("WWW Sites", "shop front");

    Type(dialog, "nowhere");
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindId), SearchMessage("Card Not Found"));
    expectShown("WWW Sites", "shop front");
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindAgainId), SearchMessage("No More Cards Found"));

    // A fresh dialog's Find Again continues after the first card.
    Press(dialog, wxID_CANCEL);
    ProcessPendingEvents();
    ASSERT_TRUE(FindDialogs().empty());
    dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    Type(dialog, "shop");
    Press(dialog, CFindCardDlg::kFindAgainId);
    expectShown("Online Banking", "bank shop");
}

TEST_F(FindTest, FindSeesPasswordsAndSwitchesFromShowAll) {
    const std::string path = WriteFile("mixed.qxf", {{0, "site", "pw"},
                                                     {7, "Savings", "s3cretXYZ"},
                                                     {7, "Checking", "other"},
                                                     {11, "Caf\xE9 card"},
                                                     {13, "deleted XYZ", "pw", true}});
    ASSERT_NE(OpenDocument(path), nullptr);
    ChooseCategory("Show All");
    CFindCardDlg* dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    Type(dialog, "XYZ");
    Press(dialog, CFindCardDlg::kFindId);
    EXPECT_EQ(Frame()->CurrentCategory(), "Bank Accounts");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"Checking", "Savings"}));
    EXPECT_EQ(SelectedName(ActiveView()), "Savings");
    // The deleted card holds the text as well, but is not searched.
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindAgainId), SearchMessage("No More Cards Found"));

    // The typed text meets the cards' Windows-1252 bytes.
    Type(dialog, wxString::FromUTF8("Café"));
    Press(dialog, CFindCardDlg::kFindId);
    EXPECT_EQ(Frame()->CurrentCategory(), "Software Keys");
    EXPECT_EQ(SelectedName(ActiveView()), "Caf\xE9 card");
    // A character no card can hold is found nowhere.
    Type(dialog, wxString::FromUTF8("Caf\u4e2d"));
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindId), SearchMessage("Card Not Found"));
    EXPECT_EQ(SelectedName(ActiveView()), "Caf\xE9 card");
}

TEST_F(FindTest, IgnoreCaseFoldsLettersAndIsRememberedAfterCancel) {
    const std::string path = WriteFile("mail.qxf", {{6, "GMAIL"}});
    ASSERT_NE(OpenDocument(path), nullptr);
    CFindCardDlg* dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IgnoreCase(dialog)->GetValue());
    Type(dialog, "gmail");
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindId), SearchMessage("Card Not Found"));
    IgnoreCase(dialog)->SetValue(true);
    Press(dialog, CFindCardDlg::kFindId);
    EXPECT_EQ(SelectedName(ActiveView()), "GMAIL");

    Press(dialog, wxID_CANCEL);
    EXPECT_EQ(prefs::Read(prefs::kFindCasePref), 1);
    EXPECT_TRUE(FindDialogs().empty());
    dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IgnoreCase(dialog)->GetValue());
    // The close box cancels as well.
    IgnoreCase(dialog)->SetValue(false);
    dialog->Close();
    ProcessPendingEvents();
    EXPECT_EQ(prefs::Read(prefs::kFindCasePref), 0);
    EXPECT_TRUE(FindDialogs().empty());
}

TEST_F(FindTest, EachDocumentHasOneFindDialogThatGoesWithIt) {
    CQuilloxNewDoc* first = OpenDocument(WriteFile("first.qxf", {{0, "first site"}}));
    ASSERT_NE(first, nullptr);
    CFindCardDlg* firstDialog = OpenFind();
    SendCommand(wxID_FIND);
    SendCommand(cmd::kFindTool);
    ASSERT_EQ(FindDialogs().size(), 1u);

    CQuilloxNewDoc* second = OpenDocument(WriteFile("second.qxf", {{0, "second site"}}));
    ASSERT_NE(second, nullptr);
    SendCommand(cmd::kFindTool);
    ASSERT_EQ(FindDialogs().size(), 2u);
    CFindCardDlg* secondDialog = FindDialogs().back();
    ASSERT_NE(secondDialog, firstDialog);

    // Each dialog searches its own document, whichever window is active.
    Type(secondDialog, "first");
    wxTEST_DIALOG(Press(secondDialog, CFindCardDlg::kFindId), SearchMessage("Card Not Found"));
    Type(firstDialog, "first");
    Press(firstDialog, CFindCardDlg::kFindId);
    auto* firstView = dynamic_cast<CQuilloxNewView*>(first->GetFirstView());
    ASSERT_NE(firstView, nullptr);
    EXPECT_EQ(SelectedName(firstView), "first site");

    first->Modify(false);
    ASSERT_TRUE(Manager()->CloseDocument(first));
    ProcessPendingEvents();
    EXPECT_EQ(FindDialogs(), std::vector<CFindCardDlg*>{secondDialog});
    Type(secondDialog, "second");
    Press(secondDialog, CFindCardDlg::kFindId);
    EXPECT_EQ(SelectedName(ActiveView()), "second site");
    CloseAllQuietly();
    EXPECT_TRUE(FindDialogs().empty());
}

TEST_F(FindTest, FindNeedsADocumentAndTheMenuItemACard) {
    EXPECT_FALSE(IsEnabled(wxID_FIND));
    EXPECT_FALSE(IsEnabled(cmd::kFindTool));

    SendCommand(wxID_NEW);
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_FALSE(IsEnabled(wxID_FIND));
    EXPECT_TRUE(IsEnabled(cmd::kFindTool));
    SendCommand(cmd::kFindTool);
    ASSERT_EQ(FindDialogs().size(), 1u);
    CFindCardDlg* dialog = FindDialogs().front();
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindId), SearchMessage("Card Not Found"));
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindAgainId), SearchMessage("No More Cards Found"));
    CloseAllQuietly();

    // A deleted card is enough for the menu item, though it is never found.
    ASSERT_NE(OpenDocument(WriteFile("bin.qxf", {{0, "gone", "pw", true}})), nullptr);
    EXPECT_TRUE(IsEnabled(wxID_FIND));
    EXPECT_TRUE(IsEnabled(cmd::kFindTool));
    dialog = OpenFind();
    ASSERT_NE(dialog, nullptr);
    Type(dialog, "gone");
    wxTEST_DIALOG(Press(dialog, CFindCardDlg::kFindId), SearchMessage("Card Not Found"));
}
