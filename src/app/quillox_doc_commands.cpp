// The document's commands: Open into this document, Save, Save As, the File
// Encryption dialog and Find, and when they are available.
#include <wx/app.h>

#include "app/command_ids.h"
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/passwords/file_encryption_dialog.h"
#include "app/quillox_doc.h"
#include "cards/find_card_dialog.h"
#include "prefs/settings.h"
#include "store/encryption_choice.h"

namespace quillox {

wxBEGIN_EVENT_TABLE(CQuilloxNewDoc, wxDocument)
    EVT_MENU(wxID_OPEN, CQuilloxNewDoc::OnFileOpen)
    EVT_MENU(wxID_SAVE, CQuilloxNewDoc::OnFileSave)
    EVT_MENU(wxID_SAVEAS, CQuilloxNewDoc::OnFileSaveAs)
    EVT_MENU(cmd::kEncryptOnSave, CQuilloxNewDoc::OnEncryptOnSave)
    EVT_MENU(cmd::kSetPassword, CQuilloxNewDoc::OnEncryptOnSave)
    EVT_UPDATE_UI(wxID_SAVE, CQuilloxNewDoc::OnUpdateNeedsCards)
    EVT_UPDATE_UI(wxID_SAVEAS, CQuilloxNewDoc::OnUpdateNeedsCards)
    EVT_UPDATE_UI(cmd::kEncryptOnSave, CQuilloxNewDoc::OnUpdateNeedsCards)
    EVT_UPDATE_UI(cmd::kSetPassword, CQuilloxNewDoc::OnUpdateNeedsCards)
    EVT_MENU(wxID_FIND, CQuilloxNewDoc::OnFind)
    EVT_MENU(cmd::kFindTool, CQuilloxNewDoc::OnFind)
    EVT_UPDATE_UI(wxID_FIND, CQuilloxNewDoc::OnUpdateNeedsCards)
    EVT_UPDATE_UI(cmd::kFindTool, CQuilloxNewDoc::OnUpdateFindTool)
wxEND_EVENT_TABLE()

// Open while this document is active reads the file into it: the cards are
// added to those already here.
void CQuilloxNewDoc::OnFileOpen(wxCommandEvent&) {
    const wxString path = AskFileToOpen(GetDocumentWindow());
    if (path.empty()) {
        return;
    }
    LoadInto(path);
    if (CMainFrame* frame = GetMainFrame()) {
        UpdateAllViewsFor(frame->CurrentCategory());
    }
    RefreshLockStatus();
}

void CQuilloxNewDoc::OnFileSave(wxCommandEvent&) {
    Save();
}

void CQuilloxNewDoc::OnFileSaveAs(wxCommandEvent&) {
    SaveAs();
}

void CQuilloxNewDoc::OnEncryptOnSave(wxCommandEvent&) {
    FileEncryptionDialog dialog(GetMainFrame(), cards_->GetEncryptOnSave(),
                                cards_->GetFilePassword());
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    std::optional<SecretString> first = dialog.FirstEntry();
    std::optional<SecretString> second = dialog.SecondEntry();
    if (!first || !second) {
        return;
    }
    EncryptionOutcome outcome =
        ApplyEncryptionChoice(cards_->GetEncryptOnSave(), cards_->GetFilePassword(),
                              dialog.IsEncryptTicked(), *first, *second);
    cards_->SetEncryptOnSave(outcome.encryptOnSave);
    cards_->SetFilePassword(std::move(outcome.password));
    if (outcome.message != nullptr) {
        ShowMessage(outcome.message);
    }
    if (outcome.markModified) {
        Modify(true);
    }
    RefreshLockStatus();
}

// One Find dialog per document: while it is open, Find leaves it where it is.
// A dialog that was cancelled but awaits deletion no longer counts.
void CQuilloxNewDoc::OnFind(wxCommandEvent&) {
    if (findDialog_ && !wxTheApp->IsScheduledForDestruction(findDialog_.get())) {
        return;
    }
    CMainFrame* frame = GetMainFrame();
    auto* dialog = new CFindCardDlg(frame, *this, prefs::Read(prefs::kFindCasePref) == 1);
    findDialog_ = dialog;
    dialog->Show();
    dialog->CentreOnParent();
}

// The toolbar's Find needs a document only, not a card.
void CQuilloxNewDoc::OnUpdateFindTool(wxUpdateUIEvent& event) {
    event.Enable(true);
}

// Saving, the encryption commands and the menu's Find need at least one card,
// deleted ones included.
void CQuilloxNewDoc::OnUpdateNeedsCards(wxUpdateUIEvent& event) {
    event.Enable(HasCards());
}

}  // namespace quillox
