// Encrypted documents lock (close) when the user leaves: after the idle
// minutes, or when the screen locks; changes are never lost on the way.
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "app/real_input.h"
#include "app/screen_lock.h"
#include "app/web_test_support.h"
#include "document/decryption_password_dialog.h"
#include "document/file_encryption_dialog.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"

using namespace quillox;
using namespace std::chrono_literals;

namespace {

constexpr char kPassword[] = "password1";

class LockTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        now_ = std::chrono::steady_clock::now();
        Frame()->SetAutoLockClock([this] { return now_; });
        prefs::Write(prefs::kLockAfterIdleMinutes, 1);
        prefs::Write(prefs::kAutomaticSaveCheck, 0);
    }
    void TearDown() override {
        Frame()->SetAutoLockClock(&std::chrono::steady_clock::now);
        prefs::Write(prefs::kLockAfterIdleMinutes, 0);
        AppTest::TearDown();
    }

    CQuilloxNewDoc* OpenEncrypted(const std::string& path) {
        CQuilloxNewDoc* document = nullptr;
        wxTEST_DIALOG(document = OpenDocument(path),
                      ExpectDialog<DecryptionPasswordDialog>([](DecryptionPasswordDialog* dialog) {
                          Control<wxTextCtrl>(*dialog, DecryptionPasswordDialog::kPasswordId)
                              .SetValue(kPassword);
                          return wxID_OK;
                      }));
        return document;
    }

    static bool IsOpen(const CQuilloxNewDoc* document) {
        const auto documents = Manager()->GetDocumentsVector();
        return std::find(documents.begin(), documents.end(), document) != documents.end();
    }
    static std::size_t OpenCount() { return Manager()->GetDocumentsVector().size(); }

    // Time passes, and the frame looks whether a lock is due.
    void Pass(std::chrono::seconds time) {
        now_ += time;
        Frame()->CheckAutoLock();
        ProcessPendingEvents();
    }

    std::chrono::steady_clock::time_point now_;
};

TEST_F(LockTest, AfterTheIdleMinutesEncryptedDocumentsCloseAndChangesStay) {
    CQuilloxNewDoc* plain = OpenDocument(WriteFile("plain.qxf", {{0, "site"}}));
    CQuilloxNewDoc* untouched = OpenEncrypted(WriteFile("untouched.qxe", {{0, "a"}}, kPassword));
    const std::string changedPath = WriteFile("changed.qxe", {{0, "b"}}, kPassword);
    CQuilloxNewDoc* changed = OpenEncrypted(changedPath);
    ASSERT_TRUE(plain && untouched && changed);
    ASSERT_TRUE(untouched->IsEncrypted() && changed->IsEncrypted());
    auto card = std::make_unique<CardRecord>();
    card->SetField1("added");
    ASSERT_TRUE(changed->AddCard(0, std::move(card)));
    ASSERT_TRUE(changed->IsModified());

    Pass(59s);
    EXPECT_EQ(OpenCount(), 3u);
    // The unchanged encrypted document closes; the plain one stays, and so
    // does the changed one while nothing may save it.
    Pass(1s);
    EXPECT_EQ(OpenCount(), 2u);
    EXPECT_TRUE(IsOpen(plain));
    EXPECT_TRUE(IsOpen(changed));
    EXPECT_TRUE(changed->IsModified());
    Pass(10min);
    EXPECT_TRUE(IsOpen(changed));

    // With automatic saving on, the waiting lock saves it and closes it.
    const std::string before = ReadText(changedPath);
    prefs::Write(prefs::kAutomaticSaveCheck, 1);
    Pass(5s);
    EXPECT_EQ(OpenCount(), 1u);
    EXPECT_TRUE(IsOpen(plain));
    EXPECT_NE(ReadText(changedPath), before);
    CQuilloxNewDoc* reopened = OpenEncrypted(changedPath);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->Cards().Category(0).Count(), 2);
}

TEST_F(LockTest, CardsTooBigForTheCompatibleFormWaitWithoutAQuestion) {
    prefs::Write(prefs::kAutomaticSaveCheck, 1);
    const std::string path = WriteFile("big.qxe", {{0, "site"}}, kPassword);
    CQuilloxNewDoc* document = OpenEncrypted(path);
    ASSERT_NE(document, nullptr);
    wxTEST_DIALOG(
        SendCommand(cmd::kEncryptOnSave),
        ExpectDialog<FileEncryptionDialog>([](FileEncryptionDialog* dialog) {
            Control<wxRadioButton>(*dialog, FileEncryptionDialog::kCompatibleId).SetValue(true);
            return wxID_OK;
        }));
    for (int i = 0; i < 3; ++i) {
        auto card = std::make_unique<CardRecord>();
        card->SetNote(std::string(22000, 'n'));
        document->AddCard(0, std::move(card));
    }
    ASSERT_EQ(LockText(), "Locked (compatible)");
    const std::string before = ReadText(path);

    DialogRecorder dialogs;
    Pass(1min);
    // The user is away: the form is theirs to change, so the file waits.
    ASSERT_TRUE(IsOpen(document));
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(ReadText(path), before);
}

TEST_F(LockTest, InputInTheWindowsStartsTheIdleTimeAgain) {
    CQuilloxNewDoc* document =
        OpenEncrypted(WriteFile("input.qxe", {{0, "a"}, {0, "b"}}, kPassword));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    Pass(50s);

    ActiveView()->ListControl()->SetFocus();
    wxUIActionSimulator keys;
    keys.Char(WXK_DOWN);
    WaitUntil([] { return false; }, 300);
    Pass(50s);
    EXPECT_TRUE(IsOpen(document)) << "the key press started the minute again";
    Pass(10s);
    EXPECT_FALSE(IsOpen(document));

    // 0 minutes never lock.
    prefs::Write(prefs::kLockAfterIdleMinutes, 0);
    document = OpenEncrypted(WriteFile("never.qxe", {{0, "a"}}, kPassword));
    Pass(24h);
    EXPECT_TRUE(IsOpen(document));
}

TEST_F(LockTest, TheScreenLockingLocksWhenTheUserWantsIt) {
    prefs::Write(prefs::kLockAfterIdleMinutes, 0);
    CQuilloxNewDoc* document = OpenEncrypted(WriteFile("screen.qxe", {{0, "a"}}, kPassword));
    prefs::Write(prefs::kLockWhenScreenLocks, 0);
    Frame()->ScreenLocked();
    EXPECT_TRUE(IsOpen(document));
    prefs::Write(prefs::kLockWhenScreenLocks, 1);
    Frame()->ScreenLocked();
    EXPECT_FALSE(IsOpen(document));
}

TEST_F(LockTest, AnOpenMenuOrDialogHoldsTheLockBack) {
    CQuilloxNewDoc* document = OpenEncrypted(WriteFile("menu.qxe", {{0, "a"}}, kPassword));
    wxMenuEvent opened(wxEVT_MENU_OPEN, 0, nullptr);
    Frame()->ProcessWindowEvent(opened);
    Pass(1min);
    EXPECT_TRUE(IsOpen(document));
    wxMenuEvent closed(wxEVT_MENU_CLOSE, 0, nullptr);
    Frame()->ProcessWindowEvent(closed);
    Pass(5s);
    EXPECT_FALSE(IsOpen(document));

    // A modal dialog shown while the lock is due: the lock waits for it.
    document = OpenEncrypted(WriteFile("dialog.qxe", {{0, "a"}}, kPassword));
    Frame()->UserInput();  // as opening it took
    now_ += 1min;
    bool openDuringDialog = false;
    wxDialog* dialog = new wxDialog(Frame(), wxID_ANY, "Waiting");
    dialog->CallAfter([&] {
        Frame()->CheckAutoLock();
        openDuringDialog = IsOpen(document);
        dialog->EndModal(wxID_OK);
    });
    dialog->ShowModal();
    dialog->Destroy();
    EXPECT_TRUE(openDuringDialog);
    Pass(5s);
    EXPECT_FALSE(IsOpen(document));
}

}  // namespace
