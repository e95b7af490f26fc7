// Starting the program and opening files into it.
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <filesystem>
#include <fstream>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "app/real_input.h"
#include "app/splash_window.h"
#include "document/decryption_password_dialog.h"
#include "prefs/settings.h"
#include "support/special_files.h"
#include "ui/command_ids.h"

using namespace quillox;

namespace {

std::vector<wxString> MenuTitles(wxMenuBar* bar) {
    std::vector<wxString> titles;
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        titles.push_back(bar->GetMenuLabelText(i));
    }
    return titles;
}

// Answers the password prompt with text and checks its title.
ExpectDialog<DecryptionPasswordDialog> TypePassword(const wxString& title, const wxString& text) {
    return ExpectDialog<DecryptionPasswordDialog>([title, text](DecryptionPasswordDialog* dialog) {
        EXPECT_EQ(dialog->GetTitle(), title);
        auto* entry =
            dynamic_cast<wxTextCtrl*>(dialog->FindWindow(DecryptionPasswordDialog::kPasswordId));
        EXPECT_NE(entry, nullptr);
        if (entry != nullptr) {
            entry->SetValue(text);
        }
        return wxID_OK;
    });
}

}  // namespace

TEST_F(AppTest, StartsWithTheFrameAloneAndItsSixteenCategories) {
    EXPECT_EQ(Frame()->GetTitle(), "Quillox");
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 0u);
    EXPECT_EQ(MenuTitles(Frame()->GetMenuBar()), (std::vector<wxString>{"File", "View", "Help"}));
    wxChoice* selector = Frame()->GetCategoryBar()->Selector();
    ASSERT_EQ(selector->GetCount(), 16u);
    EXPECT_EQ(selector->GetString(0), "WWW Sites");
    EXPECT_EQ(selector->GetString(7), "Online Banking");
    EXPECT_EQ(selector->GetString(15), "Show All");
    EXPECT_EQ(LockText(), "Unlocked");
    EXPECT_EQ(Frame()->GetStatusBar()->GetStatusText(cmd::kItemCountPane), "Items:");
    // Without a document the web page buttons are off.
    EXPECT_FALSE(IsEnabled(cmd::kLoadWebPageTool));
    EXPECT_FALSE(IsEnabled(cmd::kGetWebPageTool));
}

TEST_F(AppTest, OpensAPlainFileIntoTheRememberedCategory) {
    prefs::Write(prefs::kLastSelectedCatg, "Bank Accounts");
    const std::string path = WriteFile("plain.qxf", {{7, "Savings"}, {7, "checking"}, {0, "Site"}});
    CQuilloxNewDoc* document = OpenDocument(path);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(Frame()->CurrentCategory(), "Bank Accounts");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"checking", "Savings"}));
    EXPECT_EQ(Frame()->GetStatusBar()->GetStatusText(cmd::kItemCountPane), "Items: 2");
    EXPECT_EQ(ActiveView()->ListControl()->GetColumn(0)->GetTitle(), "Bank");
    EXPECT_EQ(ActiveView()->ListControl()->GetColumn(5)->GetTitle(), "Branch Number");
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(LockText(), "Unlocked");
    ASSERT_NE(document->GetDocumentWindow(), nullptr);
    auto* child = dynamic_cast<wxFrame*>(document->GetDocumentWindow());
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(
        MenuTitles(child->GetMenuBar()),
        (std::vector<wxString>{"File", "Edit", "Card", "Internet", "View", "Window", "Help"}));
}

TEST_F(AppTest, EncryptedFilesAskForThePasswordAndRefuseAWrongOne) {
    const std::string path = WriteFile("secret.qxe", {{0, "Bank login"}}, "correct horse");
    wxTEST_DIALOG(EXPECT_EQ(OpenDocument(path), nullptr),
                  TypePassword("Decryption Password for file: secret.qxe", "wrong horse"),
                  ExpectMessage("Password not correct, or the file was changed."),
                  ExpectMessage("Failed to open document."));
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 0u);

    CQuilloxNewDoc* document = nullptr;
    wxTEST_DIALOG(document = OpenDocument(path),
                  TypePassword("Decryption Password for file: secret.qxe", "correct horse"));
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(document->IsEncrypted());
    EXPECT_EQ(LockText(), "Locked (strong)");
    ChooseCategory("WWW Sites");
    EXPECT_EQ(Column(0), std::vector<std::string>{"Bank login"});
    EXPECT_EQ(Column(2), std::vector<std::string>{"****"});
}

// The content decides, not the name's ending.
TEST_F(AppTest, ForeignFilesAreRefusedWithBothMessages) {
    for (const char* name : {"notes.qxf", "notes.txt", "notes"}) {
        const std::string path = Path(name);
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fputs("These are my notes and certainly no card file at all.", file);
        std::fclose(file);
        wxTEST_DIALOG(EXPECT_EQ(OpenDocument(path), nullptr),
                      ExpectMessage("This is not a Quillox file."),
                      ExpectMessage("Failed to open document."));
    }
    for (const char* name : {"cards.bak", "cards"}) {
        CQuilloxNewDoc* document = OpenDocument(WriteFile(name, {{0, "kept"}}));
        ASSERT_NE(document, nullptr) << name;
        EXPECT_EQ(document->Cards().Category(0).Count(), 1) << name;
    }
}

TEST_F(AppTest, OpenInADocumentAddsTheFileCardsAndKeepsTitleAndPath) {
    const std::string first = WriteFile("first.qxf", {{5, "shell"}});
    const std::string second = WriteFile("second.qxf", {{5, "mainframe"}, {6, "mail"}});
    CQuilloxNewDoc* document = OpenDocument(first);
    ASSERT_NE(document, nullptr);
    const wxString title = document->GetTitle();
    ChooseCategory("Login Accounts");
    wxTEST_DIALOG(SendCommand(wxID_OPEN), wxExpectModal<wxFileDialog>(wxString(second)));
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 1u);
    EXPECT_EQ(document->GetTitle(), title);
    EXPECT_EQ(document->GetFilename(), wxString(first));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(Column(0), (std::vector<std::string>{"mainframe", "shell"}));
    EXPECT_EQ(document->Cards().Category(6).Count(), 1);
}

TEST_F(AppTest, CheckOpenFilesReopensTheMostRecentFile) {
    const std::string older = WriteFile("older.qxf", {{0, "old"}});
    const std::string newer = WriteFile("newer.qxf", {{0, "new"}});
    ASSERT_NE(OpenDocument(older), nullptr);
    ASSERT_NE(OpenDocument(newer), nullptr);
    CloseAllQuietly();
    prefs::Write(prefs::kCheckOpenFiles, 1);
    wxGetApp().OpenMostRecentFile();
    ProcessPendingEvents();
    ASSERT_EQ(Manager()->GetDocumentsVector().size(), 1u);
    EXPECT_EQ(ActiveDoc()->GetFilename(), wxString(newer));
}

TEST_F(AppTest, RecentEntriesAndOpenThatNameNoRegularFileSaySo) {
    // What a recent entry can come to name: a folder, a FIFO nobody writes
    // to (opening it must not wait) and a device. File Open takes the same
    // way, but GTK's file chooser does not reliably hand such a name back.
    const std::string folder = Path("folder.qxe");
    std::filesystem::create_directory(folder);
    std::vector<std::string> others = quillox::testing::MakeSpecialFiles(folder_);
    others.insert(others.begin(), folder);
    const std::string plain = WriteFile("plain.qxf", {{0, "kept"}});
    wxFileHistory* history = Manager()->GetFileHistory();
    const auto recentCommand = [history](const std::string& path) -> int {
        for (size_t i = 0; i < history->GetCount(); ++i) {
            if (history->GetHistoryFile(i) == wxString(path)) {
                return wxID_FILE1 + static_cast<int>(i);
            }
        }
        return wxID_NONE;
    };
    for (const std::string& path : others) {
        SCOPED_TRACE(path);
        const wxString refusal = wxString(path) + " is not a regular file.";
        history->AddFileToHistory(path);
        wxTEST_DIALOG(SendCommand(recentCommand(path)), ExpectMessage(refusal),
                      ExpectMessage("Failed to open document."));
        prefs::Write(prefs::kCheckOpenFiles, 1);
        wxTEST_DIALOG(wxGetApp().FinishStartUp(), ExpectMessage(refusal),
                      ExpectMessage("Failed to open document."));
        EXPECT_TRUE(Manager()->GetDocumentsVector().empty());

        // The same from a document window, whose Open reads into it.
        CQuilloxNewDoc* document = OpenDocument(plain);
        ASSERT_NE(document, nullptr);
        wxTEST_DIALOG(SendCommand(recentCommand(path)), ExpectMessage(refusal),
                      ExpectMessage("Failed to open document."));
        EXPECT_EQ(Manager()->GetDocumentsVector().size(), 1u);
        EXPECT_EQ(Column(0), std::vector<std::string>{"kept"});
        CloseAllQuietly();
        EXPECT_NE(recentCommand(path), wxID_NONE) << "the entry stays in the list";
    }
    // A damaged file chosen from a document window: its window never shows.
    const std::string damaged = Path("damaged.qxe");
    std::ofstream(damaged) << "no card file at all";
    history->AddFileToHistory(damaged);
    ASSERT_NE(OpenDocument(plain), nullptr);
    wxTEST_DIALOG(SendCommand(recentCommand(damaged)), ExpectMessage("This is not a Quillox file."),
                  ExpectMessage("Failed to open document."));
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 1u);
    EXPECT_EQ(Column(0), std::vector<std::string>{"kept"});
    others.push_back(plain);
    others.push_back(damaged);
    for (const std::string& path : others) {
        history->RemoveFileFromHistory(static_cast<size_t>(recentCommand(path) - wxID_FILE1));
    }
}

TEST_F(AppTest, TheSplashGoesAtTheFirstKeyAndTakesIt) {
    splash::SetEnabled(true);
    splash::Show(Frame());
    ASSERT_TRUE(splash::IsShowing());
    splash::Show(Frame());  // a second call while showing changes nothing
    EXPECT_FALSE(splash::TakesEvent(wxIdleEvent()));
    EXPECT_TRUE(splash::IsShowing());
    EXPECT_TRUE(splash::TakesEvent(wxKeyEvent(wxEVT_KEY_DOWN)));
    EXPECT_FALSE(splash::IsShowing());
    // Once gone, key presses reach the program again.
    EXPECT_FALSE(splash::TakesEvent(wxKeyEvent(wxEVT_KEY_DOWN)));
    splash::SetEnabled(false);
    splash::Show(Frame());
    EXPECT_FALSE(splash::IsShowing());
    ProcessPendingEvents();
}

TEST_F(AppTest, OpenOffersTheSameFiltersWithAndWithoutADocument) {
    const wxString filters =
        "Quillox Files (*.qxe;*.qxf)|*.qxe;*.qxf|Encrypted Data (*.qxe)|*.qxe|"
        "Non Encrypted Data (*.qxf)|*.qxf|All Files (*)|*";
    // Checks the filters offered and answers with path.
    const auto offers = [&](const std::string& path) {
        return ExpectDialog<wxFileDialog>([=](wxFileDialog* dialog) {
            EXPECT_EQ(dialog->GetWildcard(), filters);
            EXPECT_EQ(dialog->GetFilterIndex(), 0);
            dialog->SetPath(wxString(path));
            return wxID_OK;
        });
    };
    const std::string first = WriteFile("first.qxf", {{0, "plain"}});
    const std::string second = WriteFile("second.qxe", {{0, "encrypted"}}, "a long password");
    wxTEST_DIALOG(SendCommand(wxID_OPEN), offers(first));
    ASSERT_EQ(Manager()->GetDocumentsVector().size(), 1u);
    wxTEST_DIALOG(SendCommand(wxID_OPEN), offers(second),
                  TypePassword("Decryption Password for file: second.qxe", "a long password"));
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 1u);
    EXPECT_EQ(Column(0), (std::vector<std::string>{"encrypted", "plain"}));
}
