// The password generator from the main frame and its "Use".
#include <wx/button.h>

#include <wx/checkbox.h>
#include "app/app_fixture.h"
#include "cards/generate_password_dialog.h"
#include "prefs/general_settings_page.h"
#include "prefs/preferences_sheet.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

// Checks whether "Use" is offered, then answers with button.
ExpectDialog<CGeneratePasswordDlg> Generator(bool useExpected, int button, std::string* shown) {
    return ExpectDialog<CGeneratePasswordDlg>([=](CGeneratePasswordDlg* dialog) {
        EXPECT_EQ(dialog->FindWindow(wxID_OK)->IsEnabled(), useExpected);
        *shown = dialog->Password();
        return button;
    });
}

}  // namespace

TEST_F(AppTest, GeneratedPasswordsGoIntoTheCurrentCardWhereTheCategoryAllows) {
    const std::string path = WriteFile("gen.qxf", {{8, "Visa", "1234"}, {0, "site", "old"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    const CardRecord* visa = document->Cards().Category(8).At(0);
    ChooseCategory("Credit Cards");
    EXPECT_FALSE(IsEnabled(cmd::kGeneratePassword));
    ActiveView()->SelectCard(visa);
    EXPECT_TRUE(IsEnabled(cmd::kGeneratePassword));
    std::string shown;
    wxTEST_DIALOG(SendCommand(cmd::kGeneratePassword), Generator(false, wxID_CANCEL, &shown));
    EXPECT_EQ(visa->GetField4(), "1234");

    // Under "Show All" any selected card may take it, a credit card too.
    ChooseCategory("Show All");
    ActiveView()->SelectCard(visa);
    const MacTime before = visa->GetModified();
    wxTEST_DIALOG(SendCommand(cmd::kGeneratePassword), Generator(true, wxID_OK, &shown));
    EXPECT_EQ(shown.size(), 10u);
    EXPECT_EQ(visa->GetField4(), shown);
    EXPECT_GT(visa->GetModified(), before);
    EXPECT_TRUE(document->IsModified());
}

TEST_F(AppTest, TheGeneratorWorksWithoutADocumentButChangesNothing) {
    EXPECT_TRUE(IsEnabled(cmd::kGeneratePassword));
    std::string shown;
    wxTEST_DIALOG(SendCommand(cmd::kGeneratePassword), Generator(false, wxID_OK, &shown));
    EXPECT_EQ(shown.size(), 10u);
}

TEST_F(AppTest, PreferencesTakeEffectInTheListAtOnce) {
    const std::string path = WriteFile("prefs.qxf", {{0, "site", "visible"}});
    ASSERT_NE(OpenDocument(path), nullptr);
    ChooseCategory("WWW Sites");
    EXPECT_EQ(Column(2), std::vector<std::string>{"****"});
    prefs::Write(prefs::kPrintAtm, 0);
    Frame()->LoadHelperPathCache();
    EXPECT_FALSE(Frame()->PrintAtmCodes());
    wxTEST_DIALOG(SendCommand(cmd::kPreferences),
                  ExpectDialog<prefs::CPrefPropertySheet>([](prefs::CPrefPropertySheet* sheet) {
                      auto* box = dynamic_cast<wxCheckBox*>(
                          sheet->FindWindow(prefs::CGeneralSettingsPref::kShowPasswordId));
                      EXPECT_NE(box, nullptr);
                      if (box != nullptr) {
                          box->SetValue(true);
                      }
                      return wxID_OK;
                  }));
    EXPECT_EQ(prefs::Read(prefs::kShowPasswordAlways), 1);
    EXPECT_EQ(Column(2), std::vector<std::string>{"visible"});
    // Cancel stores nothing, yet the print flags are read again.
    prefs::Write(prefs::kPrintAtm, 1);
    wxTEST_DIALOG(SendCommand(cmd::kPreferences),
                  ExpectDialog<prefs::CPrefPropertySheet>(
                      [](prefs::CPrefPropertySheet*) { return wxID_CANCEL; }));
    EXPECT_TRUE(Frame()->PrintAtmCodes());
}
