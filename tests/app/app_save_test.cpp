// Saving, the encryption commands and when they are available.
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "app/real_input.h"
#include "document/decryption_password_dialog.h"
#include "document/file_encryption_dialog.h"
#include "prefs/settings.h"
#include "store/card_file.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

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

EncryptionForm FormIn(const std::string& path, const std::string& password) {
    CardCollection collection;
    collection.SetEncryptionForm(EncryptionForm::Compatible);
    LoadContext context;
    context.askPassword = [&](const std::string&) {
        return std::optional<SecretString>(SecretString(password));
    };
    EXPECT_TRUE(LoadCardFileFromPath(path, collection, context).ok);
    return collection.GetEncryptionForm();
}

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Opens a file saved encrypted under "long enough" holding one card of 35
// stored bytes.
CQuilloxNewDoc* OpenEncrypted(const std::string& path) {
    CQuilloxNewDoc* document = nullptr;
    wxTEST_DIALOG(document = dynamic_cast<CQuilloxNewDoc*>(
                      GetMainFrame()->GetDocumentManager()->CreateDocument(path, wxDOC_SILENT)),
                  ExpectDialog<DecryptionPasswordDialog>([](DecryptionPasswordDialog* dialog) {
                      Control<wxTextCtrl>(*dialog, DecryptionPasswordDialog::kPasswordId)
                          .SetValue("long enough");
                      return wxID_OK;
                  }));
    ProcessPendingEvents();
    return document;
}

// Three cards of 22,029 stored bytes: with the 35 bytes of the card above and
// the 20 of the digest, an encrypted save needs 66,142 bytes.
void AddBigCards(CQuilloxNewDoc& document) {
    for (int i = 0; i < 3; ++i) {
        auto card = std::make_unique<CardRecord>();
        card->SetNote(std::string(22000, 'n'));
        document.AddCard(0, std::move(card));
    }
}

constexpr const char* kTooBig =
    "These cards need 66,142 bytes; an encrypted file holds at most 65,528. Remove cards, or "
    "save without encryption.";
const wxString kOfferStrong = wxString(kTooBig) +
                              "\n\nSwitch this file to the strong form, which has no such limit? "
                              "Versions of Quillox that know only the compatible form cannot "
                              "open it then.";

// Keeps a file opened with OpenEncrypted in the compatible form from now on.
ExpectDialog<FileEncryptionDialog> KeepCompatible() {
    return ChooseEncryption(true, "long enough", "long enough", EncryptionForm::Compatible);
}

// What the File Encryption dialog shows of its size warning as it opens and
// after one click on its box.
struct SizeWarning {
    bool atOpen = false;
    bool afterClick = false;
    bool fitsTheDialog = true;
    wxString text;
};

SizeWarning WatchSizeWarning(const std::function<void()>& command) {
    SizeWarning seen;
    wxTEST_DIALOG(
        command(), ExpectDialog<FileEncryptionDialog>([&](FileEncryptionDialog* dialog) {
            auto& warning = Control<wxStaticText>(*dialog, FileEncryptionDialog::kTooBigWarningId);
            seen.atOpen = warning.IsShown();
            auto& box = Control<wxCheckBox>(*dialog, FileEncryptionDialog::kEncryptId);
            box.SetValue(!box.GetValue());
            wxCommandEvent click(wxEVT_CHECKBOX, box.GetId());
            click.SetEventObject(&box);
            click.SetInt(box.GetValue());
            box.ProcessWindowEvent(click);
            seen.afterClick = warning.IsShown();
            // The label is wrapped to the dialog's width.
            seen.text = warning.GetLabel();
            seen.text.Replace("\n", " ");
            if (warning.IsShown()) {
                seen.fitsTheDialog = wxRect(dialog->GetClientSize()).Contains(warning.GetRect());
            }
            return wxID_CANCEL;
        }));
    return seen;
}

void ClickTool(int id) {
    GetMainFrame()->GetToolBar()->UpdateWindowUI();
    ASSERT_TRUE(GetMainFrame()->GetToolBar()->GetToolEnabled(id));
    GetMainFrame()->GetToolBar()->OnLeftClick(id, false);
    ProcessPendingEvents();
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
    // The compatible form pads the cards to whole cipher blocks.
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave),
                  ChooseEncryption(true, "long enough", "long enough", EncryptionForm::Compatible));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(LockText(), "Locked (compatible)");
    SendCommand(wxID_SAVE);
    EXPECT_EQ(CardsIn(path, "long enough"), 1);
    EXPECT_EQ(std::filesystem::file_size(path) % 8, (22u % 8));

    // A typing slip keeps the file encrypted under the password it had.
    wxTEST_DIALOG(SendCommand(cmd::kSetPassword),
                  ChooseEncryption(true, "new password", "new passwort"),
                  ExpectMessage("Password not correct, try again!"));
    EXPECT_EQ(LockText(), "Locked (compatible)");
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
    EXPECT_EQ(LockText(), "Unlocked");
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

TEST_F(AppTest, CardsTooBigForTheCompatibleFormAreOfferedTheStrongOneAndNoSavesNothing) {
    const std::string path = WriteFile("big.qxe", {{0, "site"}}, "long enough");
    const std::string before = Contents(path);
    CQuilloxNewDoc* document = OpenEncrypted(path);
    ASSERT_NE(document, nullptr);
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), KeepCompatible());
    AddBigCards(*document);

    wxTEST_DIALOG(SendCommand(wxID_SAVE), ExpectMessage(kOfferStrong, wxID_NO));
    wxTEST_DIALOG(ClickTool(wxID_SAVE), ExpectMessage(kOfferStrong, wxID_NO));
    const std::string copy = Path("copy.qxe");
    wxTEST_DIALOG(SendCommand(wxID_SAVEAS), wxExpectModal<wxFileDialog>(wxString(copy)),
                  ExpectMessage(kOfferStrong, wxID_NO));
    {
        // Saving on its own never changes the form, nor asks.
        prefs::Write(prefs::kAutomaticSaveCheck, 1);
        DialogRecorder dialogs;
        Frame()->AutoSave();
        EXPECT_TRUE(dialogs.Shown().empty());
    }
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(LockText(), "Locked (compatible)");
    EXPECT_EQ(Contents(path), before);
    EXPECT_FALSE(std::filesystem::exists(copy));
    // Closing still asks, and a save that fails keeps the window open.
    wxTEST_DIALOG(EXPECT_FALSE(document->Close()),
                  ExpectMessage("Save changes to big.qxe?", wxID_YES),
                  ExpectMessage(kOfferStrong, wxID_NO));
    EXPECT_EQ(Contents(path), before);
}

TEST_F(AppTest, YesToTheStrongFormSwitchesTheFileAndSavesIt) {
    // Saving, and closing with its question.
    for (const bool byClosing : {false, true}) {
        const std::string name = byClosing ? "closed.qxe" : "saved.qxe";
        const std::string path = WriteFile(name, {{0, "site"}}, "long enough");
        CQuilloxNewDoc* document = OpenEncrypted(path);
        ASSERT_NE(document, nullptr);
        wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), KeepCompatible());
        AddBigCards(*document);
        if (byClosing) {
            wxTEST_DIALOG(EXPECT_TRUE(Manager()->CloseDocument(document)),
                          ExpectMessage("Save changes to " + name + "?", wxID_YES),
                          ExpectMessage(kOfferStrong, wxID_YES));
            ProcessPendingEvents();
        } else {
            wxTEST_DIALOG(SendCommand(wxID_SAVE), ExpectMessage(kOfferStrong, wxID_YES));
            EXPECT_EQ(LockText(), "Locked (strong)");
            EXPECT_FALSE(document->IsModified());
        }
        EXPECT_EQ(CardsIn(path, "long enough"), 4) << name;
        EXPECT_EQ(FormIn(path, "long enough"), EncryptionForm::Strong) << name;
    }
}

TEST_F(AppTest, FileEncryptionWarnsWhileEncryptingCardsTooBigForTheCompatibleForm) {
    CQuilloxNewDoc* document = OpenEncrypted(WriteFile("big.qxe", {{0, "site"}}, "long enough"));
    ASSERT_NE(document, nullptr);
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), KeepCompatible());
    // Cards that fit never bring the warning.
    SizeWarning seen = WatchSizeWarning([] { SendCommand(cmd::kEncryptOnSave); });
    EXPECT_FALSE(seen.atOpen);
    EXPECT_FALSE(seen.afterClick);

    AddBigCards(*document);
    seen = WatchSizeWarning([] { ClickTool(cmd::kSetPassword); });
    EXPECT_TRUE(seen.atOpen);
    EXPECT_EQ(seen.text, kTooBig);
    EXPECT_FALSE(seen.afterClick) << "no warning when saving plain";

    // Ticking the box on the same cards brings it, whole, into view.
    wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), ChooseEncryption(false, "", ""));
    seen = WatchSizeWarning([] { SendCommand(cmd::kEncryptOnSave); });
    EXPECT_FALSE(seen.atOpen);
    EXPECT_TRUE(seen.afterClick);
    EXPECT_TRUE(seen.fitsTheDialog);

    // Keeping the compatible form on OK asks at once; No keeps it, Yes switches.
    for (const int answer : {wxID_NO, wxID_YES}) {
        wxTEST_DIALOG(SendCommand(cmd::kEncryptOnSave), KeepCompatible(),
                      ExpectMessage(kOfferStrong, answer));
        EXPECT_EQ(LockText(), answer == wxID_YES ? "Locked (strong)" : "Locked (compatible)");
        EXPECT_TRUE(document->IsModified());
    }
}

TEST_F(AppTest, ASaveFailureNamesACardWithItsAccents) {
    SendCommand(wxID_NEW);
    auto card = std::make_unique<CardRecord>();
    card->SetField1("Caf\xE9");  // Windows-1252, as cards hold their texts
    card->SetNote(std::string(32767, 'n'));
    ActiveDoc()->AddCard(0, std::move(card));
    const std::string target = Path("cafe.qxf");
    wxTEST_DIALOG(SendCommand(wxID_SAVE), wxExpectModal<wxFileDialog>(wxString(target)),
                  ExpectMessage(wxString::FromUTF8("Error Writing WWW Sites: the Note of \"Café\" "
                                                   "holds 32,767 bytes; a text can hold at most "
                                                   "32,766.")));
    EXPECT_FALSE(std::filesystem::exists(target));
}
