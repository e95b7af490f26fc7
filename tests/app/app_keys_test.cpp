// The key table, pressed through the X server in the empty frame and in a
// document window.
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "app/app_fixture.h"
#include "app/category_bar.h"
#include "app/real_input.h"
#include "app/splash_window.h"
#include "cards/card_dialog.h"
#include "cards/generate_password_dialog.h"
#include "document/decryption_password_dialog.h"
#include "document/file_encryption_dialog.h"
#include "prefs/preferences_sheet.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"
#include "ui/test_clipboard.h"

using namespace quillox;

namespace {

// What a key did, beyond reaching its command.
enum class Effect {
    Nothing,
    NewDocument,
    OpenDialog,
    Preferences,
    Generator,
    CardEditor,
    DeleteQuestion,
    FindDialog,
    Encryption,
    CopiesPassword,
    Saves,
    // Printing and the browser commands are tested where they are built:
    // here the key only has to reach them.
    ReachesOnly,
};

struct KeyRow {
    int modifiers;
    int key;
    int command;
    Effect withoutDocument;
    Effect withDocument;
};

const KeyRow kTable[] = {
    {wxMOD_CONTROL, 'C', wxID_COPY, Effect::Nothing, Effect::Nothing},
    {wxMOD_ALT, 'C', cmd::kCopyPasswordMenu, Effect::Nothing, Effect::CopiesPassword},
    {wxMOD_CONTROL, 'D', cmd::kDeleteCard, Effect::Nothing, Effect::DeleteQuestion},
    {wxMOD_CONTROL, 'E', cmd::kEditCard, Effect::Nothing, Effect::CardEditor},
    {wxMOD_CONTROL, 'F', wxID_FIND, Effect::Nothing, Effect::FindDialog},
    {wxMOD_ALT, 'G', cmd::kGeneratePassword, Effect::Generator, Effect::Generator},
    {wxMOD_CONTROL, 'N', cmd::kNewCard, Effect::Nothing, Effect::CardEditor},
    {wxMOD_ALT, 'N', wxID_NEW, Effect::NewDocument, Effect::NewDocument},
    {wxMOD_CONTROL, 'O', wxID_OPEN, Effect::OpenDialog, Effect::OpenDialog},
    {wxMOD_CONTROL, 'P', wxID_PRINT, Effect::ReachesOnly, Effect::ReachesOnly},
    {wxMOD_ALT, 'P', cmd::kPreferences, Effect::Preferences, Effect::Preferences},
    {wxMOD_CONTROL, 'S', wxID_SAVE, Effect::Nothing, Effect::Saves},
    {wxMOD_ALT, 'S', cmd::kEncryptOnSave, Effect::Nothing, Effect::Encryption},
    {wxMOD_CONTROL, 'V', wxID_PASTE, Effect::Nothing, Effect::Nothing},
    {wxMOD_ALT, WXK_BACK, wxID_UNDO, Effect::Nothing, Effect::Nothing},
    {wxMOD_SHIFT, WXK_DELETE, wxID_CUT, Effect::Nothing, Effect::Nothing},
    {wxMOD_NONE, WXK_F6, cmd::kNextPane, Effect::Nothing, Effect::Nothing},
    {wxMOD_SHIFT, WXK_F6, cmd::kPreviousPane, Effect::Nothing, Effect::Nothing},
    {wxMOD_SHIFT, WXK_INSERT, wxID_PASTE, Effect::Nothing, Effect::Nothing},
    {wxMOD_CONTROL, 'W', cmd::kLoadWebPageMenu, Effect::ReachesOnly, Effect::ReachesOnly},
    {wxMOD_ALT, 'W', cmd::kGetWebPageMenu, Effect::ReachesOnly, Effect::ReachesOnly},
    {wxMOD_CONTROL, 'X', wxID_CUT, Effect::Nothing, Effect::Nothing},
    {wxMOD_CONTROL, 'Z', wxID_UNDO, Effect::Nothing, Effect::Nothing},
};

const std::vector<int> kOwnedElsewhere = {wxID_PRINT, cmd::kLoadWebPageMenu, cmd::kGetWebPageMenu};

template <class T>
std::string NameOf() {
    return typeid(T).name();
}

std::string DialogOf(Effect effect) {
    switch (effect) {
        case Effect::OpenDialog:
            return "file dialog";
        case Effect::Preferences:
            return NameOf<prefs::CPrefPropertySheet>();
        case Effect::Generator:
            return NameOf<CGeneratePasswordDlg>();
        case Effect::CardEditor:
            return NameOf<CCardDlg>();
        case Effect::DeleteQuestion:
            return "message: Are you sure you want to delete this card?";
        case Effect::Encryption:
            return NameOf<FileEncryptionDialog>();
        default:
            return std::string();
    }
}

std::string Describe(const KeyRow& row) {
    std::string name;
    if (row.modifiers & wxMOD_CONTROL) {
        name += "Ctrl+";
    }
    if (row.modifiers & wxMOD_ALT) {
        name += "Alt+";
    }
    if (row.modifiers & wxMOD_SHIFT) {
        name += "Shift+";
    }
    return name + std::to_string(row.key);
}

}  // namespace

class KeyTest : public AppTest {
  protected:
    // Presses the row's key and checks that it reached its command and did
    // what it does in this state, and nothing else.
    void CheckKey(const KeyRow& row, Effect effect, wxWindow& focus) {
        SCOPED_TRACE(Describe(row));
        const std::size_t documents = Manager()->GetDocumentsVector().size();
        CQuilloxNewDoc* document = ActiveDoc();
        if (document != nullptr) {
            document->Modify(true);
        }
        PutOnClipboard("before");
        DialogRecorder dialogs;
        CommandRecorder commands(kOwnedElsewhere);
        PressKey(focus, row.key, row.modifiers, [&] { return !commands.Commands().empty(); });

        ASSERT_FALSE(commands.Commands().empty());
        EXPECT_EQ(commands.Commands().front(), row.command);
        const std::string dialog = DialogOf(effect);
        EXPECT_EQ(dialogs.Shown(),
                  dialog.empty() ? std::vector<std::string>{} : std::vector<std::string>{dialog});
        EXPECT_EQ(Manager()->GetDocumentsVector().size(),
                  documents + (effect == Effect::NewDocument ? 1 : 0));
        if (document != nullptr) {
            EXPECT_EQ(document->FindDialog() != nullptr, effect == Effect::FindDialog);
            EXPECT_EQ(!document->IsModified(), effect == Effect::Saves);
            EXPECT_EQ(ClipboardText(), effect == Effect::CopiesPassword ? "pw" : "before");
        }
    }

    // Undoes what a key left behind: a new document, a Find dialog.
    void Tidy(CQuilloxNewDoc* keep) {
        for (wxDocument* document : Manager()->GetDocumentsVector()) {
            if (document != keep) {
                document->Modify(false);
                Manager()->CloseDocument(document, true);
            }
        }
        if (keep != nullptr && keep->FindDialog() != nullptr) {
            keep->FindDialog()->Destroy();
        }
        ProcessPendingEvents();
    }
};

TEST_F(KeyTest, EveryKeyWorksInTheEmptyFrame) {
    wxWindow& focus = *Frame()->GetCategoryBar()->Selector();
    for (const KeyRow& row : kTable) {
        CheckKey(row, row.withoutDocument, focus);
        Tidy(nullptr);
    }
}

TEST_F(KeyTest, EveryKeyWorksInADocumentWindow) {
    CQuilloxNewDoc* document = OpenDocument(WriteFile("keys.qxf", {{0, "site", "pw"}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("WWW Sites");
    for (const KeyRow& row : kTable) {
        ActiveView()->SelectCard(document->Cards().Category(0).At(0));
        CheckKey(row, row.withDocument, *ActiveView()->ListControl());
        Tidy(document);
        ASSERT_EQ(ActiveDoc(), document);
    }
}

TEST_F(KeyTest, UnderShowAllDeleteAsksNothingFromAnyRoute) {
    CQuilloxNewDoc* document = OpenDocument(WriteFile("all.qxf", {{7, "account"}}));
    ASSERT_NE(document, nullptr);
    ChooseCategory("Show All");
    ActiveView()->SelectCard(document->Cards().Category(7).At(0));
    DialogRecorder dialogs;
    CommandRecorder commands;
    PressKey(*ActiveView()->ListControl(), 'D', wxMOD_CONTROL,
             [&] { return !commands.Commands().empty(); });
    SendCommand(cmd::kDeleteCard);
    SendCommand(cmd::kDeleteCardTool);
    EXPECT_EQ(commands.Commands().front(), cmd::kDeleteCard);
    EXPECT_TRUE(dialogs.Shown().empty());
    EXPECT_EQ(document->Cards().Category(7).Count(), 1);
    EXPECT_FALSE(document->IsModified());
}

TEST_F(KeyTest, TheSplashTakesTheFirstKeyWhateverItIs) {
    splash::SetEnabled(true);
    splash::Show(Frame());
    ASSERT_TRUE(splash::IsShowing());
    DialogRecorder dialogs;
    CommandRecorder commands;
    wxWindow& focus = *Frame()->GetCategoryBar()->Selector();
    PressKey(focus, 'O', wxMOD_CONTROL, [] { return !splash::IsShowing(); });
    EXPECT_FALSE(splash::IsShowing());
    EXPECT_TRUE(commands.Commands().empty());
    EXPECT_TRUE(dialogs.Shown().empty());
    // The next key acts.
    PressKey(focus, 'O', wxMOD_CONTROL, [&] { return !commands.Commands().empty(); });
    EXPECT_EQ(dialogs.Shown(), std::vector<std::string>{"file dialog"});
    splash::SetEnabled(false);
}

namespace {

// Types a password into the Decryption Password dialog through the X server
// as soon as the dialog is on the screen, then presses Enter; cancels the
// dialog should it still be open a while after.
class PasswordTypist : public wxTimer {
  public:
    explicit PasswordTypist(const wxString& password) : password_(password) { Start(20); }
    bool Typed() const { return typed_; }

    void Notify() override {
        DecryptionPasswordDialog* dialog = ShownDialog();
        if (dialog == nullptr) {
            return;
        }
        if (!typed_) {
            auto& entry = Control<wxTextCtrl>(*dialog, DecryptionPasswordDialog::kPasswordId);
            wxUIActionSimulator simulator;
            simulator.MouseMove(entry.GetScreenRect().GetTopLeft() + wxPoint(4, 4));
            entry.SetFocus();
            simulator.Text(password_.utf8_str());
            simulator.Char(WXK_RETURN);
            typed_ = true;
        } else if (++waited_ > 100) {
            dialog->EndModal(wxID_CANCEL);
        }
    }

  private:
    static DecryptionPasswordDialog* ShownDialog() {
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<DecryptionPasswordDialog*>(window);
            if (dialog != nullptr && dialog->IsModal() && dialog->IsShownOnScreen()) {
                return dialog;
            }
        }
        return nullptr;
    }

    wxString password_;
    bool typed_ = false;
    int waited_ = 0;
};

}  // namespace

TEST_F(KeyTest, APasswordTypedAtOnceIntoTheStartUpPromptOpensTheFile) {
    const std::string path = WriteFile("start.qxe", {{0, "site"}}, "correct horse");
    Manager()->GetFileHistory()->AddFileToHistory(path);
    prefs::Write(prefs::kCheckOpenFiles, 1);
    splash::SetEnabled(true);
    // Message boxes are answered; the password prompt shows for real.
    DialogRecorder dialogs([](wxDialog* dialog) {
        return dynamic_cast<DecryptionPasswordDialog*>(dialog) != nullptr ? wxID_NONE : wxID_OK;
    });
    PasswordTypist typist("correct horse");
    wxGetApp().FinishStartUp();
    ProcessPendingEvents();
    splash::SetEnabled(false);
    EXPECT_TRUE(typist.Typed());
    EXPECT_EQ(dialogs.Shown(), std::vector<std::string>{NameOf<DecryptionPasswordDialog>()});
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_EQ(ActiveDoc()->GetFilename(), wxString(path));
    EXPECT_TRUE(ActiveDoc()->IsEncrypted());
}

TEST_F(KeyTest, KeysStillWorkOnceTheLastDocumentWindowCloses) {
    ASSERT_NE(OpenDocument(WriteFile("last.qxf", {{0, "a"}})), nullptr);
    ActiveView()->ListControl()->SetFocus();
    CloseAllQuietly();
    // The focus went with the window; the key is pressed wherever it is now.
    CommandRecorder commands;
    PressKey(
        *Frame(), 'N', wxMOD_ALT, [&] { return !commands.Commands().empty(); }, KeyFocus::AsItIs);
    EXPECT_EQ(Manager()->GetDocumentsVector().size(), 1u);
}
