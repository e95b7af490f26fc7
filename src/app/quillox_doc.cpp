#include "app/quillox_doc.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "app/category_bar.h"
#include "app/file_dialogs.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "app/passwords/decryption_password_dialog.h"
#include "cards/find_card_dialog.h"
#include "prefs/settings.h"
#include "store/encryption_choice.h"
#include "store/file_messages.h"

namespace quillox {

wxIMPLEMENT_DYNAMIC_CLASS(CQuilloxNewDoc, wxDocument);

namespace {

// Both reading and writing restart the auto-save period when it is on.
void ArmAutoSaveIfOn() {
    if (prefs::Read(prefs::kAutomaticSaveCheck) == 1) {
        if (CMainFrame* frame = GetMainFrame()) {
            frame->ArmAutoSaveTimer();
        }
    }
}

}  // namespace

void CQuilloxNewDoc::AddCard(int categoryId, std::unique_ptr<CardRecord> card) {
    cards_->AddCard(categoryId, std::move(card));
}

std::unique_ptr<CardRecord> CQuilloxNewDoc::RemoveCard(int categoryId, int position) {
    return cards_->RemoveCard(categoryId, position);
}

void CQuilloxNewDoc::AddToDeleted(std::unique_ptr<CardRecord> card) {
    cards_->AddToDeleted(std::move(card));
}

bool CQuilloxNewDoc::IsLocked() const {
    return ::quillox::IsLocked(cards_->GetEncryptOnSave(), cards_->GetFilePassword());
}

void CQuilloxNewDoc::RefreshLockStatus() const {
    if (CMainFrame* frame = GetMainFrame()) {
        frame->GetCategoryBar()->SetLocked(IsLocked());
    }
}

void CQuilloxNewDoc::UpdateAllViewsFor(const std::string& categoryName) {
    CategoryHint hint(categoryName);
    UpdateAllViews(nullptr, &hint);
}

bool CQuilloxNewDoc::OnNewDocument() {
    if (!wxDocument::OnNewDocument()) {
        return false;
    }
    cards_ = std::make_unique<CardCollection>();
    return true;
}

bool CQuilloxNewDoc::DoOpenDocument(const wxString& file) {
    ArmAutoSaveIfOn();
    CMainFrame* frame = GetMainFrame();
    const wxString remembered = prefs::Read(prefs::kLastSelectedCatg);
    if (frame != nullptr && !remembered.empty()) {
        frame->GetCategoryBar()->SelectByPrefix(remembered.ToStdString());
    }

    LoadContext context;
    context.fileTitle = wxFileName(file).GetFullName().ToStdString(wxConvUTF8);
    context.dateFormat = static_cast<int>(prefs::Read(prefs::kDateFormat));
    context.showMessage = [](const std::string& message) { ShowStoreMessage(message); };
    context.askPassword = [frame](const std::string& title) {
        return AskDecryptionPassword(frame, wxString::FromUTF8(title));
    };
    if (!LoadCardFileFromPath(ToStorePath(file), *cards_, context).ok) {
        ShowMessage(messages::kFailedToOpen);
        return false;
    }
    return true;
}

bool CQuilloxNewDoc::LoadInto(const wxString& path) {
    // A read that fails part way leaves the document changed.
    Modify(true);
    if (!DoOpenDocument(path)) {
        return false;
    }
    Modify(false);
    return true;
}

bool CQuilloxNewDoc::DoSaveDocument(const wxString& file) {
    return WriteTo(file, false);
}

bool CQuilloxNewDoc::WriteTo(const wxString& path, bool quiet) {
    ArmAutoSaveIfOn();
    const bool saved =
        SaveCardFileToPath(*cards_, ToStorePath(path), [quiet](const std::string& m) {
            if (!quiet) {
                ShowStoreMessage(m);
            }
        });
    if (saved) {
        Modify(false);
    }
    RefreshLockStatus();
    return saved;
}

bool CQuilloxNewDoc::SaveQuietly() {
    return WriteTo(GetFilename(), true);
}

// A document without a file asks for one every time; the file chosen does not
// become the document's own, so its title and path stay as they were.
bool CQuilloxNewDoc::HasFile() const {
    return GetDocumentSaved() && !GetFilename().empty();
}

bool CQuilloxNewDoc::Save() {
    if (HasFile()) {
        return WriteTo(GetFilename(), false);
    }
    const wxString path = AskFileToSave(GetDocumentWindow(), GetUserReadableName() + ".qxe");
    return !path.empty() && WriteTo(path, false);
}

bool CQuilloxNewDoc::SaveAs() {
    const wxString path = AskFileToSave(GetDocumentWindow(), "*.qxe");
    return !path.empty() && WriteTo(path, false);
}

bool CQuilloxNewDoc::OnSaveModified() {
    if (!IsModified()) {
        return true;
    }
    const int answer =
        wxMessageBox(wxString::Format("Save changes to %s?", GetUserReadableName()), "Quillox",
                     wxYES_NO | wxCANCEL | wxICON_EXCLAMATION, GetDocumentWindow());
    if (answer == wxYES) {
        return Save();
    }
    if (answer == wxNO) {
        Modify(false);
        return true;
    }
    return false;
}

bool CQuilloxNewDoc::OnCloseDocument() {
    if (CMainFrame* frame = GetMainFrame()) {
        const std::string shown = frame->CurrentCategory();
        if (!shown.empty()) {
            prefs::Write(prefs::kLastSelectedCatg, wxString(shown));
        }
    }
    // The Find dialog searches this document only, so it goes with it.
    if (findDialog_) {
        findDialog_->Destroy();
    }
    return wxDocument::OnCloseDocument();
}

}  // namespace quillox
