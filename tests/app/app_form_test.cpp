// The form an encrypted file is written in: chosen in the File Encryption
// dialog, given to new files by the preferences, shown in the category bar.
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/utils.h>
#include <utility>

#include "app/app_fixture.h"
#include "document/decryption_password_dialog.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

constexpr EncryptionForm kStrong = EncryptionForm::Strong;
constexpr EncryptionForm kCompatible = EncryptionForm::Compatible;

// Answers a dialog, checking that the busy cursor is not over it.
template <class Dialog>
ExpectDialog<Dialog> NotBusy(const std::string& password = "") {
    return ExpectDialog<Dialog>([password](Dialog* dialog) {
        EXPECT_FALSE(wxIsBusy());
        if (auto* entry = dynamic_cast<wxTextCtrl*>(
                dialog->FindWindow(DecryptionPasswordDialog::kPasswordId))) {
            entry->SetValue(password);
        }
        return wxID_OK;
    });
}

class FormTest : public AppTest {
  protected:
    // The form the File Encryption dialog opens on; it is then cancelled.
    static EncryptionForm OfferedForm() {
        EncryptionForm offered = kStrong;
        wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave),
                      ExpectDialog<FileEncryptionDialog>([&](FileEncryptionDialog* dialog) {
                          offered = dialog->ChosenForm();
                          return wxID_CANCEL;
                      }));
        return offered;
    }
};

}  // namespace

TEST_F(FormTest, TheFormChosenGoesIntoTheDocumentAndTheLockText) {
    CQuilloxNewDoc* document = OpenDocument(WriteFile("plain.qxf", {{0, "site"}}));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(LockText(), "Unlocked");
    // The key stays the same: changing the form alone is a change to save.
    for (const auto& [form, text] :
         {std::pair{kCompatible, "Locked (compatible)"}, std::pair{kStrong, "Locked (strong)"},
          std::pair{kCompatible, "Locked (compatible)"}}) {
        document->Modify(false);
        wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave),
                      ChooseEncryption(true, "long enough", "long enough", form));
        EXPECT_TRUE(document->IsModified());
        EXPECT_EQ(document->Cards().GetEncryptionForm(), form);
        EXPECT_EQ(LockText(), text);
        EXPECT_EQ(OfferedForm(), form);
    }
    // A refused key takes nothing of the dialog, the form included.
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave),
                  ChooseEncryption(true, "new key!", "new kex!", kStrong),
                  ExpectMessage("Password not correct, try again!"));
    EXPECT_EQ(LockText(), "Locked (compatible)");
    SendCommand(wxID_SAVE);
    EXPECT_FALSE(document->IsModified());
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), ChooseEncryption(false, "", ""));
    EXPECT_EQ(LockText(), "Unlocked");
    EXPECT_EQ(OfferedForm(), kCompatible) << "kept for when it is encrypted again";
}

TEST_F(FormTest, ThePreferenceGivesTheFormOnlyToFilesNotYetEncrypted) {
    const std::string encrypted = WriteFile("strong.qxe", {{0, "site"}}, "long enough");
    for (const auto& [stored, form] : {std::pair{0L, kStrong}, std::pair{1L, kCompatible}}) {
        prefs::Write(prefs::kEncryptNewFilesAs, stored);
        SendCommand(wxID_NEW);
        CQuilloxNewDoc* fresh = ActiveDoc();
        ASSERT_NE(fresh, nullptr);
        fresh->AddCard(0, std::make_unique<CardRecord>());
        EXPECT_EQ(OfferedForm(), form);
        wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave),
                      ChooseEncryption(true, "long enough", "long enough"));
        EXPECT_EQ(fresh->Cards().GetEncryptionForm(), form);
        // Chosen with its key, the form is the file's own from then on.
        prefs::Write(prefs::kEncryptNewFilesAs, 1 - stored);
        EXPECT_EQ(OfferedForm(), form);
        prefs::Write(prefs::kEncryptNewFilesAs, stored);

        // A plain file takes the preference; an encrypted one keeps its form.
        ASSERT_NE(OpenDocument(WriteFile("plain.qxf", {{0, "site"}})), nullptr);
        EXPECT_EQ(OfferedForm(), form);
        wxTEST_DIALOG(OpenDocument(encrypted),
                      ExpectDialog<DecryptionPasswordDialog>([](DecryptionPasswordDialog* dialog) {
                          Control<wxTextCtrl>(*dialog, DecryptionPasswordDialog::kPasswordId)
                              .SetValue("long enough");
                          return wxID_OK;
                      }));
        EXPECT_EQ(OfferedForm(), kStrong);
        CloseAllQuietly();
    }
}

TEST_F(FormTest, TheBusyCursorOfTheKeyWorkNeverCoversAQuestion) {
    const std::string path = WriteFile("strong.qxe", {{0, "site"}}, "long enough");
    wxTEST_DIALOG(OpenDocument(path), NotBusy<DecryptionPasswordDialog>("wrong key"),
                  NotBusy<wxMessageDialog>(), NotBusy<wxMessageDialog>());
    EXPECT_FALSE(wxIsBusy());
    CQuilloxNewDoc* document = nullptr;
    wxTEST_DIALOG(document = OpenDocument(path), NotBusy<DecryptionPasswordDialog>("long enough"));
    ASSERT_NE(document, nullptr);
    EXPECT_FALSE(wxIsBusy());
    // A save in the strong form that fails says why without the busy cursor.
    const std::string nowhere = Path("missing/copy.qxe");
    wxTEST_DIALOG(SendCommand(wxID_SAVEAS), wxExpectModal<wxFileDialog>(wxString(nowhere)),
                  NotBusy<wxMessageDialog>());
    EXPECT_FALSE(wxIsBusy());
}
