// Saving, the encryption commands and when they are available.
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "document/file_encryption_dialog.h"
#include "prefs/settings.h"
#include "store/card_file.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

ExpectDialog<FileEncryptionDialog> ChooseEncryption(bool ticked, const wxString& first,
                                                    const wxString& second) {
    return ExpectDialog<FileEncryptionDialog>([=](FileEncryptionDialog* dialog) {
        dynamic_cast<wxCheckBox*>(dialog->FindWindow(FileEncryptionDialog::kEncryptId))
            ->SetValue(ticked);
        dynamic_cast<wxTextCtrl*>(dialog->FindWindow(FileEncryptionDialog::kFirstEntryId))
            ->SetValue(first);
        dynamic_cast<wxTextCtrl*>(dialog->FindWindow(FileEncryptionDialog::kSecondEntryId))
            ->SetValue(second);
        return wxID_OK;
    });
}

int CardsIn(const std::string& path, const std::string& password = "") {
    CardCollection collection;
    LoadContext context;
    context.askPassword = [&](const std::string&) {
        return std::optional<SecretString>(SecretString(password));
    };
    EXPECT_TRUE(LoadCardFileFromPath(path, collection, context).ok);
    int count = collection.Deleted().Count();
    for (int id = 0; id < kCategoryCount; ++id) {
        count += collection.Category(id).Count();
    }
    return count;
}

}  // namespace

TEST_F(AppTest, CommandsThatNeedCardsFollowTheDocument) {
    SendCommand(wxID_NEW);
    CQuilloxNewDoc* document = ActiveDoc();
    ASSERT_NE(document, nullptr);
    for (const int id :
         {int{wxID_SAVE}, int{wxID_SAVEAS}, cmd::kEncryptOnSave, cmd::kSetPassword}) {
        EXPECT_FALSE(IsEnabled(id)) << id;
    }
    // A deleted card counts as a card.
    auto card = std::make_unique<CardRecord>();
    card->SetDeleted(true);
    document->AddToDeleted(std::move(card));
    for (const int id :
         {int{wxID_SAVE}, int{wxID_SAVEAS}, cmd::kEncryptOnSave, cmd::kSetPassword}) {
        EXPECT_TRUE(IsEnabled(id)) << id;
    }
}

TEST_F(AppTest, SavingAnUntitledDocumentAsksEachTimeAndKeepsItsTitle) {
    SendCommand(wxID_NEW);
    CQuilloxNewDoc* document = ActiveDoc();
    ASSERT_NE(document, nullptr);
    const wxString title = document->GetTitle();
    document->AddCard(0, std::make_unique<CardRecord>());
    document->Modify(true);
    const std::string target = Path("saved.qxe");
    wxTEST_DIALOG(SendCommand(wxID_SAVE), wxExpectModal<wxFileDialog>(wxString(target)));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(CardsIn(target), 1);
    EXPECT_EQ(document->GetTitle(), title);
    EXPECT_FALSE(document->HasFile());
    wxTEST_DIALOG(SendCommand(wxID_SAVE), wxExpectModal<wxFileDialog>(wxString(target)));
}

TEST_F(AppTest, SaveWritesTheOpenedFileAndSaveAsWritesACopy) {
    const std::string path = WriteFile("cards.qxf", {{2, "ftp"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    document->AddCard(2, std::make_unique<CardRecord>());
    document->Modify(true);
    SendCommand(wxID_SAVE);
    EXPECT_EQ(CardsIn(path), 2);
    EXPECT_FALSE(document->IsModified());

    const std::string copy = Path("copy.qxf");
    wxTEST_DIALOG(SendCommand(wxID_SAVEAS), wxExpectModal<wxFileDialog>(wxString(copy)));
    EXPECT_EQ(CardsIn(copy), 2);
    EXPECT_EQ(document->GetFilename(), wxString(path));
}

TEST_F(AppTest, EncryptingLocksTheDocumentAndTheSavedFile) {
    const std::string path = WriteFile("open.qxf", {{0, "site"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave),
                  ChooseEncryption(true, "long enough", "long enough"));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(Frame()->GetCategoryBar()->LockText()->GetLabel(), "Locked");
    SendCommand(wxID_SAVE);
    EXPECT_EQ(CardsIn(path, "long enough"), 1);
    EXPECT_EQ(std::filesystem::file_size(path) % 8, (22u % 8));

    // A typing slip keeps the file encrypted under the password it had.
    wxTEST_DIALOG(SendCommand(cmd::kSetPassword),
                  ChooseEncryption(true, "new password", "new passwort"),
                  ExpectMessage("Password not correct, try again!"));
    EXPECT_EQ(Frame()->GetCategoryBar()->LockText()->GetLabel(), "Locked");
    document->Modify(true);
    SendCommand(wxID_SAVE);
    EXPECT_EQ(CardsIn(path, "long enough"), 1);
}

TEST_F(AppTest, AShortPasswordOnANewDocumentLeavesNothingToSaveWith) {
    SendCommand(wxID_NEW);
    CQuilloxNewDoc* document = ActiveDoc();
    ASSERT_NE(document, nullptr);
    document->AddCard(0, std::make_unique<CardRecord>());
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), ChooseEncryption(true, "seven77", "seven77"),
                  ExpectMessage("Password to short, please use more characters!"));
    EXPECT_EQ(Frame()->GetCategoryBar()->LockText()->GetLabel(), "Unlocked");
    const std::string target = Path("never.qxe");
    wxTEST_DIALOG(SendCommand(wxID_SAVE), wxExpectModal<wxFileDialog>(wxString(target)),
                  ExpectMessage("The encryption password is not set."));
    EXPECT_FALSE(std::filesystem::exists(target));
}

TEST_F(AppTest, ClosingAskToSaveAndRemembersTheCategory) {
    const std::string path = WriteFile("bank.qxf", {{7, "acct"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    ChooseCategory("Bank Accounts");
    document->AddCard(7, std::make_unique<CardRecord>());
    document->Modify(true);
    wxTEST_DIALOG(EXPECT_FALSE(document->Close()),
                  ExpectMessage("Save changes to bank.qxf?", wxID_CANCEL));
    wxTEST_DIALOG(EXPECT_TRUE(Manager()->CloseDocument(document)),
                  ExpectMessage("Save changes to bank.qxf?", wxID_YES));
    ProcessPendingEvents();
    EXPECT_EQ(CardsIn(path), 2);
    EXPECT_EQ(prefs::Read(prefs::kLastSelectedCatg), "Bank Accounts");
}

TEST_F(AppTest, AutoSaveSavesAChangedDocumentWithAFile) {
    prefs::Write(prefs::kAutomaticSaveCheck, 1);
    prefs::Write(prefs::kAutomaticSave, "10");
    const std::string path = WriteFile("auto.qxf", {{0, "a"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(Frame()->IsAutoSaveArmed());
    EXPECT_EQ(Frame()->AutoSaveIntervalMs(), 600000);
    document->AddCard(0, std::make_unique<CardRecord>());
    document->Modify(true);
    Frame()->AutoSave();
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(CardsIn(path), 2);

    prefs::Write(prefs::kAutomaticSave, "soon");
    Frame()->ArmAutoSaveTimer();
    EXPECT_FALSE(Frame()->IsAutoSaveArmed());
}

TEST_F(AppTest, FileDialogsOfferNamesAndNeverAPattern) {
    // Checks the name (and the folder, when given) offered, then answers with
    // path (Cancel when empty).
    const auto offers = [](const wxString& name, const wxString& folder, const wxString& path) {
        return ExpectDialog<wxFileDialog>([=](wxFileDialog* dialog) {
            EXPECT_EQ(dialog->GetFilename(), name);
            if (!folder.empty()) {
                EXPECT_EQ(dialog->GetDirectory(), folder);
            }
            dialog->SetPath(path);
            return path.empty() ? wxID_CANCEL : wxID_OK;
        });
    };
    const wxString folder = wxString(folder_.string());
    ASSERT_NE(OpenDocument(WriteFile("one.qxf", {{0, "a"}})), nullptr);
    wxTEST_DIALOG(SendCommand(wxID_SAVEAS), offers("one.qxe", folder, Path("*.qxe")),
                  ExpectMessage("\"*.qxe\" is a pattern, not a file name."),
                  offers("one.qxe", folder, Path("copy")));
    EXPECT_EQ(CardsIn(Path("copy.qxe")), 1);
    EXPECT_FALSE(std::filesystem::exists(Path("*.qxe")));
    wxTEST_DIALOG(SendCommand(wxID_OPEN), offers("", "", ""));

    SendCommand(wxID_NEW);
    ActiveDoc()->AddCard(0, std::make_unique<CardRecord>());
    wxTEST_DIALOG(SendCommand(wxID_SAVE), offers(ActiveDoc()->GetTitle() + ".qxe", "", ""));
    // OK without any name chosen saves nowhere, not even into a bare ".qxe".
    wxTEST_DIALOG(SendCommand(wxID_SAVE),
                  ExpectDialog<wxFileDialog>([](wxFileDialog*) { return wxID_OK; }));
    EXPECT_FALSE(std::filesystem::exists(".qxe"));
    EXPECT_TRUE(ActiveDoc()->IsModified());
    CloseAllQuietly();
    wxTEST_DIALOG(SendCommand(wxID_OPEN), offers("", "", ""));
}
