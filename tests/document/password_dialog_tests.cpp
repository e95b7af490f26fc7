#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/image.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>

#include "document/about_keys_dialog.h"
#include "document/decryption_password_dialog.h"
#include "document/file_encryption_dialog.h"
#include "ui/gui_test_support.h"
#include "ui/password_entry.h"
#include "ui/show_password_button.h"

#if defined(__WXGTK__)
#include <gtk/gtk.h>
#endif

class DialogTestApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

wxApp* CreateTestApp() {
    return new DialogTestApp;
}

namespace quillox {
namespace {

const char* const kAccentedUtf8 = "Mot de passe \xC3\xA9";
const char* const kAccentedCp1252 = "Mot de passe \xE9";
// Cyrillic letters: Windows-1252 has no byte for them.
const char* const kCyrillicUtf8 = "\xD0\xBA\xD0\xBB\xD1\x8E\xD1\x87";

SecretString Secret(const char* bytes) {
    return SecretString(std::string(bytes));
}

void Click(wxWindow& control) {
    wxCommandEvent event(wxEVT_BUTTON, control.GetId());
    event.SetEventObject(&control);
    control.ProcessWindowEvent(event);
}

void Tick(wxCheckBox& box, bool ticked) {
    box.SetValue(ticked);
    wxCommandEvent event(wxEVT_CHECKBOX, box.GetId());
    event.SetEventObject(&box);
    event.SetInt(ticked ? 1 : 0);
    box.ProcessWindowEvent(event);
}

void Type(wxWindow& dialog, int id, const char* utf8) {
    Control<wxTextCtrl>(dialog, id).ChangeValue(wxString::FromUTF8(utf8));
}

wxTextCtrl& First(wxWindow& dialog) {
    return Control<wxTextCtrl>(dialog, FileEncryptionDialog::kFirstEntryId);
}

wxTextCtrl& Second(wxWindow& dialog) {
    return Control<wxTextCtrl>(dialog, FileEncryptionDialog::kSecondEntryId);
}

bool ImportantShown(wxWindow& dialog) {
    return Control<wxStaticText>(dialog, FileEncryptionDialog::kImportantTextId).IsShown();
}

TEST(FileEncryptionDialog, OpensWithTheEntriesFilledOnlyWhenEncrypting) {
    FileEncryptionDialog encrypted(nullptr, true, Secret("geheim\xE9\x31\x32"),
                                   EncryptionForm::Strong);
    EXPECT_EQ(encrypted.GetTitle(), "File Encryption");
    EXPECT_TRUE(encrypted.IsEncryptTicked());
    EXPECT_EQ(First(encrypted).GetValue().utf8_string(), "geheim\xC3\xA9\x31\x32");
    EXPECT_EQ(encrypted.FirstEntry(), Secret("geheim\xE9\x31\x32"));
    EXPECT_EQ(encrypted.SecondEntry(), Secret("geheim\xE9\x31\x32"));
    EXPECT_TRUE(First(encrypted).IsEditable());
    EXPECT_TRUE(Second(encrypted).IsEditable());
    EXPECT_TRUE(ImportantShown(encrypted));

    // The password of a document that is not encrypted stays out of sight.
    FileEncryptionDialog plain(nullptr, false, Secret("geheim12"), EncryptionForm::Strong);
    EXPECT_FALSE(plain.IsEncryptTicked());
    EXPECT_TRUE(First(plain).IsEmpty());
    EXPECT_TRUE(Second(plain).IsEmpty());
    EXPECT_FALSE(First(plain).IsEditable());
    EXPECT_FALSE(Second(plain).IsEditable());
    // Looking disabled too, as nothing can be typed there.
    EXPECT_FALSE(First(plain).IsEnabled());
    EXPECT_FALSE(Second(plain).IsEnabled());
    EXPECT_FALSE(ImportantShown(plain));
    EXPECT_LT(plain.GetSize().GetHeight(), encrypted.GetSize().GetHeight());
}

TEST(FileEncryptionDialog, UntickingEmptiesTheEntriesAndHidesTheWarning) {
    FileEncryptionDialog dialog(nullptr, true, Secret("geheim12"), EncryptionForm::Strong);
    const int fullHeight = dialog.GetSize().GetHeight();
    auto& encrypt = Control<wxCheckBox>(dialog, FileEncryptionDialog::kEncryptId);

    Tick(encrypt, false);
    EXPECT_FALSE(dialog.IsEncryptTicked());
    EXPECT_TRUE(First(dialog).IsEmpty());
    EXPECT_TRUE(Second(dialog).IsEmpty());
    EXPECT_FALSE(First(dialog).IsEditable());
    EXPECT_FALSE(Second(dialog).IsEditable());
    EXPECT_FALSE(ImportantShown(dialog));
    EXPECT_LT(dialog.GetSize().GetHeight(), fullHeight);

    EXPECT_FALSE(First(dialog).IsEnabled());
    Tick(encrypt, true);
    EXPECT_TRUE(First(dialog).IsEditable());
    EXPECT_TRUE(Second(dialog).IsEditable());
    EXPECT_TRUE(First(dialog).IsEnabled());
    EXPECT_TRUE(Second(dialog).IsEnabled());
    EXPECT_TRUE(ImportantShown(dialog));
    EXPECT_EQ(dialog.GetSize().GetHeight(), fullHeight);
    EXPECT_TRUE(First(dialog).IsEmpty());
}

TEST(FileEncryptionDialog, ReadsTheEntriesAsWindows1252Bytes) {
    FileEncryptionDialog dialog(nullptr, false, SecretString(), EncryptionForm::Strong);
    Tick(Control<wxCheckBox>(dialog, FileEncryptionDialog::kEncryptId), true);
    Type(dialog, FileEncryptionDialog::kFirstEntryId, kAccentedUtf8);
    Type(dialog, FileEncryptionDialog::kSecondEntryId, "\xE2\x82\xAC uro");
    EXPECT_EQ(dialog.FirstEntry(), Secret(kAccentedCp1252));
    EXPECT_EQ(dialog.SecondEntry(), Secret("\x80 uro"));

    Type(dialog, FileEncryptionDialog::kSecondEntryId, kCyrillicUtf8);
    EXPECT_FALSE(dialog.SecondEntry().has_value());
}

TEST(FileEncryptionDialog, OkRefusesACharacterAFileCannotStore) {
    FileEncryptionDialog dialog(nullptr, false, SecretString(), EncryptionForm::Strong);
    dialog.Show();
    Tick(Control<wxCheckBox>(dialog, FileEncryptionDialog::kEncryptId), true);
    Type(dialog, FileEncryptionDialog::kFirstEntryId, kAccentedUtf8);
    Type(dialog, FileEncryptionDialog::kSecondEntryId, kCyrillicUtf8);

    wxTEST_DIALOG(Click(Control<wxButton>(dialog, wxID_OK)), ExpectMessage(kUnstorablePassword));
    EXPECT_TRUE(dialog.IsShown());

    Type(dialog, FileEncryptionDialog::kSecondEntryId, kAccentedUtf8);
    {
        GTestModalHook noDialog(__FILE__, __LINE__, __func__);
        Click(Control<wxButton>(dialog, wxID_OK));
    }
    EXPECT_FALSE(dialog.IsShown());
}

TEST(FileEncryptionDialog, AboutKeysOpensItsDialog) {
    FileEncryptionDialog dialog(nullptr, true, Secret("geheim12"), EncryptionForm::Strong);
    bool opened = false;
    wxTEST_DIALOG(Click(Control<wxButton>(dialog, FileEncryptionDialog::kAboutKeysId)),
                  ExpectDialog<AboutKeysDialog>([&opened](AboutKeysDialog* about) {
                      opened = true;
                      EXPECT_EQ(about->GetTitle(), "About Keys");
                      return wxID_OK;
                  }));
    EXPECT_TRUE(opened);
}

void Choose(wxRadioButton& choice) {
    choice.SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, choice.GetId());
    event.SetEventObject(&choice);
    choice.ProcessWindowEvent(event);
}

TEST(FileEncryptionDialog, TheFormChoiceShowsTheFormAndTheWarningOnlyForTheCompatibleOne) {
    for (const EncryptionForm form : {EncryptionForm::Strong, EncryptionForm::Compatible}) {
        FileEncryptionDialog dialog(nullptr, true, Secret("geheim12"), form, "Too big.");
        auto& strong = Control<wxRadioButton>(dialog, FileEncryptionDialog::kStrongId);
        auto& compatible = Control<wxRadioButton>(dialog, FileEncryptionDialog::kCompatibleId);
        auto& warning = Control<wxStaticText>(dialog, FileEncryptionDialog::kTooBigWarningId);
        EXPECT_EQ(strong.GetLabel(), "Strong (Argon2id, XChaCha20-Poly1305)");
        EXPECT_EQ(compatible.GetLabel(),
                  "Compatible (readable by older versions; at most 65,528 bytes)");
        EXPECT_EQ(dialog.ChosenForm(), form);
        EXPECT_EQ(compatible.GetValue(), form == EncryptionForm::Compatible);
        EXPECT_EQ(warning.IsShown(), form == EncryptionForm::Compatible);

        Choose(strong);
        EXPECT_EQ(dialog.ChosenForm(), EncryptionForm::Strong);
        EXPECT_FALSE(warning.IsShown());
        Choose(compatible);
        EXPECT_EQ(dialog.ChosenForm(), EncryptionForm::Compatible);
        EXPECT_TRUE(warning.IsShown());
        // Saving plain, the form is not asked for.
        Tick(Control<wxCheckBox>(dialog, FileEncryptionDialog::kEncryptId), false);
        EXPECT_FALSE(strong.IsEnabled());
        EXPECT_FALSE(compatible.IsEnabled());
        EXPECT_FALSE(warning.IsShown());
    }
}

// The text the button's pop-up shows, or "(none)" when it shows none.
std::string Shown(ShowPasswordButton& show) {
    show.ShowPassword();
    const PasswordPopup* popup = show.Popup();
    if (popup == nullptr) {
        return "(none)";
    }
    // Plain text to read and select, not a greyed menu item.
    EXPECT_TRUE(popup->Text().IsEnabled());
    EXPECT_FALSE(popup->Text().IsEditable());
    EXPECT_TRUE(popup->IsShown());
    return popup->Text().GetValue().utf8_string();
}

TEST(ShowPasswordButton, ShowsWhatIsTypedSoFarAsSelectableText) {
    FileEncryptionDialog encryption(nullptr, true, Secret("a&b\xE9\x63\x64\x65\x66"),
                                    EncryptionForm::Strong);
    encryption.Show();
    auto& show = Control<ShowPasswordButton>(encryption, FileEncryptionDialog::kShowId);
    Type(encryption, FileEncryptionDialog::kSecondEntryId, "second entry");
    // Its own faded picture for when it is disabled, as no toolkit must make one.
    ASSERT_TRUE(show.GetBitmapDisabled().IsOk());
    const wxImage faded = show.GetBitmapDisabled().ConvertToImage();
    const wxImage normal = show.GetBitmapLabel().ConvertToImage();
    ASSERT_EQ(faded.GetSize(), normal.GetSize());
    EXPECT_FALSE(std::equal(faded.GetData(),
                            faded.GetData() + faded.GetWidth() * faded.GetHeight() * 3,
                            normal.GetData()));
    // The & is shown as it is, not taken as a mnemonic.
    EXPECT_EQ(Shown(show), "a&b\xC3\xA9\x63\x64\x65\x66");
    // Under the first entry, inside the dialog, clear of its buttons.
    const wxRect popup = OuterScreenRect(*show.Popup());
    const wxRect first = OuterScreenRect(First(encryption));
    // Right under the row of entry and button, whichever of them reaches lower.
    EXPECT_EQ(popup.GetTopLeft(),
              wxPoint(first.GetLeft(), first.Union(OuterScreenRect(show)).GetBottom() + 1));
    const wxRect inside(encryption.ClientToScreen(wxPoint(0, 0)), encryption.GetClientSize());
    EXPECT_TRUE(inside.Contains(popup))
        << inside.x << "," << inside.y << " " << inside.width << "x" << inside.height;
    for (int id : {int(wxID_OK), int(wxID_CANCEL), int(FileEncryptionDialog::kAboutKeysId)}) {
        EXPECT_FALSE(popup.Intersects(OuterScreenRect(Control<wxButton>(encryption, id)))) << id;
    }

    Type(encryption, FileEncryptionDialog::kFirstEntryId, "");
    EXPECT_EQ(Shown(show), "(none)");

    DecryptionPasswordDialog decryption(nullptr, "Decryption Password");
    decryption.Show();
    Type(decryption, DecryptionPasswordDialog::kPasswordId, "typed");
    auto& other = Control<ShowPasswordButton>(decryption, DecryptionPasswordDialog::kShowId);
    EXPECT_EQ(Shown(other), "typed");
    other.Popup()->Dismiss();
    ProcessPendingEvents();
    EXPECT_EQ(other.Popup(), nullptr);

#if defined(__WXGTK__)
    // Screen readers announce the button by its tooltip.
    EXPECT_STREQ(atk_object_get_name(gtk_widget_get_accessible(show.GetHandle())),
                 "Show the password");
#endif
}

TEST(ShowPasswordButton, ThePopupStaysUnderItsRowAndInsideTheWindow) {
    const wxRect area(50, 50, 400, 300);  // x 50 to 449, y 50 to 349
    struct Case {
        const char* what;
        wxRect entry;
        wxRect button;
        wxSize wanted;
        wxRect expected;
    };
    // The rows span x 100 to 324: a 200-pixel entry and its button.
    for (const Case& c : {
             Case{"short, under the row",
                  {100, 100, 200, 20},
                  {305, 100, 20, 20},
                  {80, 24},
                  {100, 120, 80, 24}},
             Case{"long, no wider than the row",
                  {100, 100, 200, 20},
                  {305, 98, 20, 24},
                  {600, 24},
                  {100, 122, 225, 24}},
             Case{"no room under, above the row",
                  {100, 330, 200, 20},
                  {305, 330, 20, 20},
                  {80, 24},
                  {100, 306, 80, 24}},
             Case{"a window smaller than the pop-up holds it",
                  {100, 100, 200, 20},
                  {305, 100, 20, 20},
                  {500, 400},
                  {100, 50, 225, 300}},
         }) {
        const wxRect placed = PlacePasswordPopup(c.entry, c.button, area, c.wanted);
        EXPECT_EQ(placed, c.expected) << c.what;
        EXPECT_TRUE(area.Contains(placed)) << c.what;
    }
}

TEST(FileEncryptionDialog, OpensWithTheFocusWhereTypingGoesNotOnOk) {
    FileEncryptionDialog encrypted(nullptr, true, Secret("geheim12"), EncryptionForm::Strong);
    encrypted.Show();
    EXPECT_TRUE(WaitFor([&] { return First(encrypted).HasFocus(); }, 3000));
    EXPECT_FALSE(Control<wxButton>(encrypted, wxID_OK).HasFocus());
    encrypted.Hide();

    FileEncryptionDialog plain(nullptr, false, SecretString(), EncryptionForm::Strong);
    plain.Show();
    auto& encrypt = Control<wxCheckBox>(plain, FileEncryptionDialog::kEncryptId);
    EXPECT_TRUE(WaitFor([&] { return encrypt.HasFocus(); }, 3000));
    // Ticking it makes the key typable, and the first entry takes the keys.
    Tick(encrypt, true);
    EXPECT_TRUE(WaitFor([&] { return First(plain).HasFocus(); }, 3000));
}

TEST(DecryptionPasswordDialog, ReturnsTheTypedBytesOrNothingOnCancel) {
    const wxString title = "Decryption Password for file: cards.qxe";
    std::optional<SecretString> password;
    wxTEST_DIALOG(
        password = AskDecryptionPassword(nullptr, title),
        ExpectDialog<DecryptionPasswordDialog>([&](DecryptionPasswordDialog* dialog) {
            EXPECT_EQ(dialog->GetTitle(), title);
            EXPECT_EQ(
                Control<wxStaticText>(*dialog, DecryptionPasswordDialog::kPromptId).GetLabel(),
                "This file is encrypted, please enter your password:");
            Type(*dialog, DecryptionPasswordDialog::kPasswordId, kAccentedUtf8);
            return wxID_OK;
        }));
    EXPECT_EQ(password, Secret(kAccentedCp1252));

    wxTEST_DIALOG(password = AskDecryptionPassword(nullptr, title),
                  ExpectDialog<DecryptionPasswordDialog>([](DecryptionPasswordDialog* dialog) {
                      Type(*dialog, DecryptionPasswordDialog::kPasswordId, "typed anyway");
                      return wxID_CANCEL;
                  }));
    EXPECT_FALSE(password.has_value());
}

TEST(DecryptionPasswordDialog, IsAtLeastAsWideAsItsTitle) {
    const wxString title =
        "Decryption Password for file: the cards of the whole family, kept since 2003.qxe";
    DecryptionPasswordDialog dialog(nullptr, title);
    const wxFont bold = dialog.GetFont().Bold();
    int width = 0;
    int height = 0;
    dialog.GetTextExtent(title, &width, &height, nullptr, nullptr, &bold);
    EXPECT_GE(dialog.GetSize().GetWidth(), width);
}

TEST(DecryptionPasswordDialog, OkRefusesACharacterAFileCannotStore) {
    DecryptionPasswordDialog dialog(nullptr, "Decryption Password");
    dialog.Show();
    Type(dialog, DecryptionPasswordDialog::kPasswordId, kCyrillicUtf8);
    wxTEST_DIALOG(Click(Control<wxButton>(dialog, wxID_OK)), ExpectMessage(kUnstorablePassword));
    EXPECT_TRUE(dialog.IsShown());
    EXPECT_FALSE(dialog.Password().has_value());
}

}  // namespace
}  // namespace quillox
