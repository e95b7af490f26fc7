// The document's commands: Open into this document, Save, Save As and the
// File Encryption dialog, and when they are available.
#include "document/file_encryption_dialog.h"
#include "document/quillox_doc.h"
#include "prefs/settings.h"
#include "store/card_file.h"
#include "store/encryption_choice.h"
#include "ui/command_ids.h"
#include "ui/file_dialogs.h"
#include "ui/message_box.h"

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
wxEND_EVENT_TABLE()

// Open while this document is active reads the file into it: the cards are
// added to those already here.
void CQuilloxNewDoc::OnFileOpen(wxCommandEvent&) {
    const wxString path = AskFileToOpen(GetDocumentWindow());
    if (path.empty()) {
        return;
    }
    LoadInto(path);
    UpdateAllViewsFor(host_.CurrentCategory());
    RefreshLockStatus();
}

void CQuilloxNewDoc::OnFileSave(wxCommandEvent&) {
    Save();
}

void CQuilloxNewDoc::OnFileSaveAs(wxCommandEvent&) {
    SaveAs();
}

// The form a file has is kept until the user changes it here; a document that
// never had a key is offered the form new files get.
void CQuilloxNewDoc::OnEncryptOnSave(wxCommandEvent&) {
    const std::string tooBig = FitsCompatibleForm(*cards_)
                                   ? std::string()
                                   : TooBigToEncryptMessage(EncryptedPlaintextSize(*cards_));
    const EncryptionForm offered = OfferedEncryptionForm(
        cards_->GetFilePassword(), cards_->GetEncryptionForm(), prefs::FormForNewFiles());
    FileEncryptionDialog dialog(host_.DialogParent(), cards_->GetEncryptOnSave(),
                                cards_->GetFilePassword(), offered, wxString::FromUTF8(tooBig));
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    std::optional<SecretString> first = dialog.FirstEntry();
    std::optional<SecretString> second = dialog.SecondEntry();
    if (!first || !second) {
        return;
    }
    EncryptionOutcome outcome = ApplyEncryptionChoice(
        {cards_->GetEncryptOnSave(), cards_->GetFilePassword(), cards_->GetEncryptionForm()},
        {dialog.IsEncryptTicked(), std::move(*first), std::move(*second), dialog.ChosenForm()});
    cards_->SetEncryptOnSave(outcome.encryptOnSave);
    cards_->SetFilePassword(std::move(outcome.password));
    cards_->SetEncryptionForm(outcome.form);
    if (outcome.message != nullptr) {
        ShowMessage(outcome.message);
    }
    if (outcome.markModified) {
        Modify(true);
    }
    // A key taken for a form too small for the cards: the next save would
    // refuse, so ask now.
    if (outcome.encryptOnSave && outcome.markModified && OutgrowsCompatibleForm(*cards_)) {
        OfferStrongForm();
    }
    RefreshLockStatus();
}

// Saving and the encryption commands need at least one card, deleted ones
// included.
void CQuilloxNewDoc::OnUpdateNeedsCards(wxUpdateUIEvent& event) {
    event.Enable(HasCards());
}

}  // namespace quillox
