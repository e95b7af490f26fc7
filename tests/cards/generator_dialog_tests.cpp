#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/textctrl.h>

#include "cards/generate_password_dialog.h"
#include "cards/generator_use.h"
#include "ui/gui_test_support.h"

class GeneratorTestApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

wxApp* CreateTestApp() {
    return new GeneratorTestApp;
}

namespace quillox {
namespace {

using Dlg = CGeneratePasswordDlg;

void Click(wxWindow& dialog, int id) {
    wxWindow& button = Control<wxButton>(dialog, id);
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(&button);
    button.ProcessWindowEvent(event);
}

void Tick(wxWindow& dialog, int id, bool ticked) {
    auto& box = Control<wxCheckBox>(dialog, id);
    box.SetValue(ticked);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetEventObject(&box);
    event.SetInt(ticked ? 1 : 0);
    box.ProcessWindowEvent(event);
}

bool AllIn(const std::string& text, const std::string& allowed) {
    return text.find_first_not_of(allowed) == std::string::npos;
}

std::string Shown(wxWindow& dialog) {
    return Control<wxTextCtrl>(dialog, Dlg::kPasswordId).GetValue().utf8_string();
}

TEST(GeneratePasswordDialog, OpensWithTenCharactersOfLettersAndDigits) {
    Dlg dialog(nullptr, true);
    EXPECT_EQ(dialog.GetTitle(), "Generate Password");
    EXPECT_EQ(Control<wxTextCtrl>(dialog, Dlg::kLengthId).GetValue(), "10");
    EXPECT_TRUE(Control<wxCheckBox>(dialog, Dlg::kUppercaseId).GetValue());
    EXPECT_TRUE(Control<wxCheckBox>(dialog, Dlg::kLowercaseId).GetValue());
    EXPECT_TRUE(Control<wxCheckBox>(dialog, Dlg::kNumbersId).GetValue());
    EXPECT_FALSE(Control<wxCheckBox>(dialog, Dlg::kOthersId).GetValue());
    EXPECT_FALSE(Control<wxTextCtrl>(dialog, Dlg::kPasswordId).IsEditable());
    EXPECT_TRUE(Control<wxButton>(dialog, wxID_OK).IsEnabled());

    const std::string password = dialog.Password();
    EXPECT_EQ(password.size(), 10u);
    EXPECT_TRUE(AllIn(password, PasswordPool(PasswordClasses{}))) << password;
    EXPECT_EQ(Shown(dialog), password);

    Click(dialog, Dlg::kNewId);
    EXPECT_NE(dialog.Password(), password);
    EXPECT_EQ(Shown(dialog), dialog.Password());

    Control<wxTextCtrl>(dialog, Dlg::kLengthId).ChangeValue("64");
    Click(dialog, Dlg::kNewId);
    EXPECT_EQ(dialog.Password().size(), 64u);

    // Typed lengths go past what the arrows reach, up to 255; 0 gives nothing.
    Control<wxTextCtrl>(dialog, Dlg::kLengthId).ChangeValue("300");
    Click(dialog, Dlg::kNewId);
    EXPECT_EQ(dialog.Password().size(), 255u);
    Control<wxTextCtrl>(dialog, Dlg::kLengthId).ChangeValue("0");
    Click(dialog, Dlg::kNewId);
    EXPECT_EQ(dialog.Password(), "");
    // Anything else is refused and the last length kept.
    Control<wxTextCtrl>(dialog, Dlg::kLengthId).ChangeValue("");
    wxTEST_DIALOG(Click(dialog, Dlg::kNewId), ExpectMessage("Please enter an integer."));
    EXPECT_EQ(dialog.Password(), "");
}

TEST(GeneratePasswordDialog, EachClassClickMakesANewPasswordFromTheTickedClasses) {
    Dlg dialog(nullptr, true);
    Tick(dialog, Dlg::kUppercaseId, false);
    Tick(dialog, Dlg::kLowercaseId, false);
    EXPECT_EQ(dialog.Password().size(), 10u);
    EXPECT_TRUE(AllIn(dialog.Password(), "0123456789")) << dialog.Password();

    Tick(dialog, Dlg::kNumbersId, false);
    EXPECT_EQ(dialog.Password(), "");
    EXPECT_EQ(Shown(dialog), "");

    Tick(dialog, Dlg::kOthersId, true);
    EXPECT_EQ(dialog.Password().size(), 10u);
    EXPECT_TRUE(AllIn(dialog.Password(), PasswordPool(PasswordClasses{false, false, false, true})))
        << dialog.Password();
}

TEST(GeneratePasswordDialog, ToClipboardKeepsTheDialogOpenAndUseFollowsTheCaller) {
    Dlg dialog(nullptr, false);
    EXPECT_FALSE(Control<wxButton>(dialog, wxID_OK).IsEnabled());
    dialog.Show();
    Click(dialog, Dlg::kToClipboardId);
    EXPECT_TRUE(dialog.IsShown());
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTextDataObject text;
    EXPECT_TRUE(wxTheClipboard->GetData(text));
    wxTheClipboard->Close();
    EXPECT_EQ(text.GetText().utf8_string(), dialog.Password());
}

TEST(GeneratorUseAllowed, NeedsACardAndACategoryWithAPassword) {
    EXPECT_FALSE(GeneratorUseAllowed(false, "Show All"));
    EXPECT_FALSE(GeneratorUseAllowed(false, "Login Accounts"));
    EXPECT_TRUE(GeneratorUseAllowed(true, "Show All"));
    EXPECT_TRUE(GeneratorUseAllowed(true, "Login Accounts"));
    EXPECT_TRUE(GeneratorUseAllowed(true, "Online Banking"));
    for (const char* shown : {"Bank Accounts", "Credit Cards", "ATM/PIN Cards", "Personal Data",
                              "Software Keys", "Serial Numbers", "Membership Numbers"}) {
        EXPECT_FALSE(GeneratorUseAllowed(true, shown)) << shown;
    }
}

}  // namespace
}  // namespace quillox
