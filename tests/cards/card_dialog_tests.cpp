#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "cards/card_dialog.h"
#include "cards/card_form.h"
#include "cards/edit_url_dialog.h"
#include "ui/gui_test_support.h"
#include "ui/show_password_button.h"

#if defined(__WXGTK__)
#include <gtk/gtk.h>
#endif

wxApp* CreateTestApp() {
    return new wxApp;
}

namespace quillox {
namespace {

const char* const kCheckMarkUtf8 = "\xE2\x9C\x93";

wxTextCtrl& Edit(wxWindow& dialog, int id) {
    return Control<wxTextCtrl>(dialog, id);
}

std::string Utf8Of(wxWindow& dialog, int id) {
    return Edit(dialog, id).GetValue().utf8_string();
}

void Type(wxWindow& dialog, int id, const char* utf8) {
    Edit(dialog, id).ChangeValue(wxString::FromUTF8(utf8));
}

void Click(wxWindow& control) {
    wxCommandEvent event(wxEVT_BUTTON, control.GetId());
    event.SetEventObject(&control);
    control.ProcessWindowEvent(event);
}

CardForm EditedBankCard() {
    CardForm form;
    form.categoryName = "Online Banking";
    form.labels = {"Bank:", "URL:", "User ID:", "Password:"};
    form.field1 = "Caf\xE9 Bank";
    form.field2 = "https://bank.example";
    form.field3 = "me";
    form.field4 = "s3cret";
    form.automaticAccess = true;
    form.editMode = true;
    return form;
}

TEST(CardDialog, ShowsTheFormsLabelsAndTexts) {
    CCardDlg dialog(nullptr, EditedBankCard());
    EXPECT_EQ(Control<wxStaticText>(dialog, CCardDlg::kCategoryNameId).GetLabel(),
              "Online Banking");
    const char* labels[] = {"Bank:", "URL:", "User ID:", "Password:"};
    const char* names[] = {"Bank", "URL", "User ID", "Password"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Control<wxStaticText>(dialog, CCardDlg::kFirstLabelId + i).GetLabel(), labels[i]);
        EXPECT_EQ(Edit(dialog, CCardDlg::kField1Id + i).GetName(), names[i]);
    }
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField1Id), "Caf\xC3\xA9 Bank");
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField2Id), "https://bank.example");
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField3Id), "me");
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField4Id), "s3cret");
    EXPECT_TRUE(Edit(dialog, CCardDlg::kField4Id).HasFlag(wxTE_PASSWORD));
    EXPECT_TRUE(Control<wxCheckBox>(dialog, CCardDlg::kAutomaticAccessId).IsChecked());
    EXPECT_FALSE(Control<wxCheckBox>(dialog, CCardDlg::kNewBrowserWindowId).IsChecked());

    // The eye button shows the password field, not another one.
    dialog.Show();
    auto& show = Control<ShowPasswordButton>(dialog, CCardDlg::kShowPasswordId);
    show.ShowPassword();
    ASSERT_NE(show.Popup(), nullptr);
    EXPECT_EQ(show.Popup()->Text().GetValue(), "s3cret");
    Type(dialog, CCardDlg::kField4Id, "");
    show.ShowPassword();
    EXPECT_EQ(show.Popup(), nullptr);
}

TEST(CardDialog, TitleButtonAndAttributesFollowTheMode) {
    CCardDlg created(nullptr, NewCardForm("WWW Forms"));
    EXPECT_EQ(created.GetTitle(), "New Card");
    EXPECT_EQ(Control<wxButton>(created, wxID_OK).GetLabel(), "Add Card");
    EXPECT_EQ(Control<wxButton>(created, wxID_CANCEL).GetLabel(), "Cancel");
    EXPECT_FALSE(Control<wxCheckBox>(created, CCardDlg::kNewBrowserWindowId).IsEnabled());
    EXPECT_FALSE(Control<wxCheckBox>(created, CCardDlg::kAutomaticAccessId).IsEnabled());

    CardRecord card;
    card.SetCategoryId(static_cast<CategoryId>(FindCategoryByName("WWW Forms")));
    CCardDlg edited(nullptr, EditCardForm(card));
    EXPECT_EQ(edited.GetTitle(), "Edit Card");
    EXPECT_EQ(Control<wxButton>(edited, wxID_OK).GetLabel(), "OK");
    EXPECT_TRUE(Control<wxCheckBox>(edited, CCardDlg::kNewBrowserWindowId).IsEnabled());
    EXPECT_TRUE(Control<wxCheckBox>(edited, CCardDlg::kAutomaticAccessId).IsEnabled());
}

TEST(CardDialog, EditUrlButtonOnlyForItsCategoriesAndPutsTheUrlBack) {
    CCardDlg forms(nullptr, NewCardForm("WWW Forms"));
    EXPECT_FALSE(Control<wxButton>(forms, CCardDlg::kEditUrlId).IsShown());

    CCardDlg dialog(nullptr, NewCardForm("Login Accounts"));
    auto& editUrl = Control<wxButton>(dialog, CCardDlg::kEditUrlId);
    EXPECT_TRUE(editUrl.IsShown());
#if defined(__WXGTK__)
    // A screen reader announces the picture button by its tooltip.
    EXPECT_STREQ(atk_object_get_name(gtk_widget_get_accessible(editUrl.GetHandle())), "Edit URL");
#endif
    Type(dialog, CCardDlg::kField2Id, "telnet://host");
    wxTEST_DIALOG(Click(editUrl), ExpectDialog<CEditUrlDlg>([](CEditUrlDlg* editor) {
                      EXPECT_EQ(editor->GetTitle(), "Edit URL");
                      EXPECT_EQ(editor->Url(), "telnet://host");
                      Type(*editor, CEditUrlDlg::kUrlId, "telnet://other.host");
                      return wxID_OK;
                  }));
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField2Id), "telnet://other.host");

    wxTEST_DIALOG(Click(editUrl), ExpectDialog<CEditUrlDlg>([](CEditUrlDlg* editor) {
                      Type(*editor, CEditUrlDlg::kUrlId, "cancelled");
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField2Id), "telnet://other.host");
}

TEST(CardDialog, NoteShowsLinesAndComesBackByteForByte) {
    CardForm form = EditedBankCard();
    form.note = "line1\r\nline2";
    {
        CCardDlg dialog(nullptr, form);
        wxTextCtrl& note = Edit(dialog, CCardDlg::kNoteId);
        EXPECT_EQ(note.GetNumberOfLines(), 2);
        EXPECT_EQ(note.GetLineText(0), "line1");
        EXPECT_EQ(note.GetLineText(1), "line2");
        EXPECT_EQ(dialog.Result().note, "line1\r\nline2");
    }
    // Notes from elsewhere may break lines with LF or CR alone; left as they
    // were, they stay so, as does every other text.
    for (const char* odd : {"a\nb", "a\rb\r\nc"}) {
        form.note = odd;
        form.field3 = "\x81\x9D odd bytes";
        CCardDlg dialog(nullptr, form);
        const CardForm result = dialog.Result();
        EXPECT_EQ(result.note, odd);
        EXPECT_EQ(result.field3, "\x81\x9D odd bytes");
        EXPECT_EQ(result.field1, form.field1);
    }
    form.note = "a\nb";
    CCardDlg dialog(nullptr, form);
    Edit(dialog, CCardDlg::kNoteId).AppendText("\nc");
    EXPECT_EQ(dialog.Result().note, "a\r\nb\r\nc");
}

TEST(CardDialog, ResultReadsTheControlsAsWindows1252) {
    CCardDlg dialog(nullptr, NewCardForm("WWW Sites"));
    Type(dialog, CCardDlg::kField1Id, "\xC3\xA9t\xC3\xA9");
    Type(dialog, CCardDlg::kField4Id,
         "\xE2\x82\xAC"
         "5");
    Control<wxCheckBox>(dialog, CCardDlg::kNewBrowserWindowId).SetValue(true);
    const CardForm result = dialog.Result();
    EXPECT_EQ(result.field1, "\xE9t\xE9");
    EXPECT_EQ(result.field2, "http://");
    EXPECT_EQ(result.field4,
              "\x80"
              "5");
    EXPECT_TRUE(result.newBrowserWindow);
    EXPECT_FALSE(result.automaticAccess);
    EXPECT_EQ(result.categoryName, "WWW Sites");
    EXPECT_FALSE(result.editMode);
}

TEST(CardDialog, OkRefusesTextsAFileCannotHold) {
    CCardDlg dialog(nullptr, EditedBankCard());
    dialog.Show();
    Type(dialog, CCardDlg::kField1Id, (std::string("Bank ") + kCheckMarkUtf8).c_str());
    bool valid = true;
    wxTEST_DIALOG(valid = dialog.Validate(),
                  ExpectMessage(wxString::FromUTF8("The text of \"Bank\" holds the character "
                                                   "\"\xE2\x9C\x93\" (U+2713), which a Quillox "
                                                   "file cannot store.")));
    EXPECT_FALSE(valid);
    EXPECT_THROW(dialog.Result(), std::runtime_error);

    // OK asks the same, and the dialog stays open with the user's text.
    Type(dialog, CCardDlg::kField1Id, "Bank");
    Type(dialog, CCardDlg::kField4Id, kCheckMarkUtf8);
    wxTEST_DIALOG(
        Click(Control<wxButton>(dialog, wxID_OK)),
        ExpectMessage("The text of \"Password\" holds a character that a Quillox file cannot "
                      "store."));
    EXPECT_TRUE(dialog.IsShown());
    EXPECT_EQ(Utf8Of(dialog, CCardDlg::kField4Id), kCheckMarkUtf8);

    Type(dialog, CCardDlg::kField4Id, "fine");
    Type(dialog, CCardDlg::kNoteId, std::string(16384, '\n').c_str());
    wxTEST_DIALOG(Click(Control<wxButton>(dialog, wxID_OK)),
                  ExpectMessage("The text of \"Note\" is longer than 32766 bytes, the most a "
                                "Quillox file can store."));
    EXPECT_TRUE(dialog.IsShown());

    Type(dialog, CCardDlg::kNoteId, std::string(16383, '\n').c_str());
    {
        GTestModalHook noDialog(__FILE__, __LINE__, __func__);
        Click(Control<wxButton>(dialog, wxID_OK));
    }
    EXPECT_FALSE(dialog.IsShown());
    EXPECT_EQ(dialog.Result().note.size(), 32766u);
}

TEST(CardDialog, ReturnBreaksANoteLineButConfirmsAUrl) {
    CCardDlg dialog(nullptr, NewCardForm("WWW Sites"));
    dialog.Show();
    wxTextCtrl& note = Edit(dialog, CCardDlg::kNoteId);
    note.SetFocus();
    ASSERT_TRUE(WaitFor([&note] { return note.HasFocus(); }));
    wxUIActionSimulator keys;
    keys.Text("ab");
    keys.Char(WXK_RETURN);
    keys.Text("c");
    EXPECT_TRUE(WaitFor([&note] { return note.GetValue() == "ab\nc"; })) << note.GetValue();
    EXPECT_TRUE(dialog.IsShown());
    EXPECT_EQ(dialog.Result().note, "ab\r\nc");

    CEditUrlDlg editor(&dialog, "http://example.org");
    editor.Show();
    wxTextCtrl& url = Edit(editor, CEditUrlDlg::kUrlId);
    url.SetFocus();
    ASSERT_TRUE(WaitFor([&url] { return url.HasFocus(); }));
    keys.Char(WXK_RETURN);
    EXPECT_TRUE(WaitFor([&editor] { return !editor.IsShown(); }));
    EXPECT_EQ(editor.Url(), "http://example.org");
}

}  // namespace
}  // namespace quillox
