#include "document/quillox_doc.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>
#include <optional>

#include "document/card_changes.h"
#include "document/decryption_password_dialog.h"
#include "document/update_hints.h"
#include "prefs/settings.h"
#include "store/encryption_choice.h"
#include "store/file_messages.h"
#include "ui/file_dialogs.h"
#include "ui/message_box.h"

namespace quillox {

wxIMPLEMENT_CLASS(CQuilloxNewDoc, wxDocument);

namespace {

constexpr const char* kSwitchToStrong =
    "Switch this file to the strong form, which has no such limit? Versions of Quillox that "
    "know only the compatible form cannot open it then.";

// The busy cursor while a key is derived, which takes about half a second
// for the strong form. A message ends it: the user has to answer that.
class KeyWorkCursor {
  public:
    void Start() {
        if (!busy_) {
            busy_.emplace();
        }
    }
    void Stop() { busy_.reset(); }

  private:
    std::optional<wxBusyCursor> busy_;
};

}  // namespace

CQuilloxNewDoc::CQuilloxNewDoc(DocumentHost& host) : host_(host) {}

void CQuilloxNewDoc::Changed(wxObject& hint) {
    Modify(true);
    UpdateAllViews(nullptr, &hint);
}

bool CQuilloxNewDoc::AddCard(int categoryId, std::unique_ptr<CardRecord> card) {
    if (!cards_->AddCard(categoryId, std::move(card))) {
        return false;
    }
    CategoryHint hint(CategoryDisplayName(categoryId));
    Changed(hint);
    return true;
}

void CQuilloxNewDoc::AddToDeleted(std::unique_ptr<CardRecord> card) {
    cards_->AddToDeleted(std::move(card));
    CategoryHint hint(host_.CurrentCategory());
    Changed(hint);
}

bool CQuilloxNewDoc::ApplyCardForm(const CardRecord& card, const CardContent& form) {
    CardRecord* own = FindCard(*cards_, card);
    if (own == nullptr) {
        return false;
    }
    ApplyFormToCard(form, *own);
    CardChangedHint hint(*own);
    Changed(hint);
    return true;
}

bool CQuilloxNewDoc::DeleteCard(const CardRecord& card, const std::string& categoryName) {
    if (!::quillox::DeleteCard(*cards_, FindCategoryByName(categoryName), card)) {
        return false;
    }
    CategoryHint hint(categoryName);
    Changed(hint);
    return true;
}

bool CQuilloxNewDoc::MoveCard(const CardRecord& card, int targetId) {
    if (!::quillox::MoveCard(*cards_, card, targetId)) {
        return false;
    }
    CategoryHint hint(CategoryDisplayName(targetId));
    Changed(hint);
    return true;
}

void CQuilloxNewDoc::PasteCard(std::unique_ptr<CardRecord> card, const std::string& categoryName) {
    ::quillox::PasteCard(*cards_, std::move(card), categoryName);
    CategoryHint hint(categoryName);
    Changed(hint);
}

bool CQuilloxNewDoc::SetGeneratedPassword(const CardRecord& card, std::string_view password) {
    CardRecord* own = FindCard(*cards_, card);
    if (own == nullptr) {
        return false;
    }
    own->SetField4(password);
    own->SetModified(CurrentMacTime());
    CategoryHint hint(host_.CurrentCategory());
    Changed(hint);
    return true;
}

// Both reading and writing restart the auto-save period when it is on.
void CQuilloxNewDoc::ArmAutoSaveIfOn() {
    if (prefs::Read(prefs::kAutomaticSaveCheck) == 1) {
        host_.ArmAutoSaveTimer();
    }
}

bool CQuilloxNewDoc::IsLocked() const {
    return ::quillox::IsLocked(cards_->GetEncryptOnSave(), cards_->GetFilePassword());
}

void CQuilloxNewDoc::RefreshLockStatus() const {
    host_.ShowLockStatus(IsLocked(), cards_->GetEncryptionForm());
}

void CQuilloxNewDoc::UpdateAllViewsFor(const std::string& categoryName) {
    CategoryHint hint(categoryName);
    UpdateAllViews(nullptr, &hint);
}

// A document read from a file gets its window only once the file reads: a
// window made and closed again beside another document's confuses GTK's
// document windows, which then attach a menu bar twice.
bool CQuilloxNewDoc::OnCreate(const wxString& path, long flags) {
    if ((flags & wxDOC_NEW) != 0) {
        return wxDocument::OnCreate(path, flags);
    }
    viewFlags_ = flags;
    return true;
}

bool CQuilloxNewDoc::OnOpenDocument(const wxString& file) {
    if (!wxDocument::OnOpenDocument(file)) {
        return false;
    }
    return !GetViews().empty() || GetDocumentTemplate()->CreateView(this, viewFlags_) != nullptr;
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
    const wxString remembered = prefs::Read(prefs::kLastSelectedCatg);
    if (!remembered.empty()) {
        host_.SelectCategoryByPrefix(remembered.ToStdString());
    }

    LoadContext context;
    context.fileTitle = wxFileName(file).GetFullName().ToStdString(wxConvUTF8);
    context.dateFormat = static_cast<int>(prefs::Read(prefs::kDateFormat));
    // Busy from the moment the password is given, as the key is derived.
    KeyWorkCursor busy;
    context.showMessage = [&busy](const std::string& message) {
        busy.Stop();
        ShowStoreMessage(message);
    };
    context.askPassword = [this, &busy](const std::string& title) {
        std::optional<SecretString> password =
            AskDecryptionPassword(host_.DialogParent(), wxString::FromUTF8(title));
        if (password) {
            busy.Start();
        }
        return password;
    };
    if (!LoadCardFileFromPath(ToStorePath(file), *cards_, context).ok) {
        busy.Stop();
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

// A save the user asked for offers the strong form to cards the compatible
// one cannot hold; a quiet one never changes the form on its own, so the
// document stays modified until the user saves it.
bool CQuilloxNewDoc::WriteTo(const wxString& path, bool quiet) {
    ArmAutoSaveIfOn();
    if (!quiet && OutgrowsCompatibleForm(*cards_) && !OfferStrongForm()) {
        return false;
    }
    KeyWorkCursor busy;
    if (IsLocked() && cards_->GetEncryptionForm() == EncryptionForm::Strong) {
        busy.Start();
    }
    const bool saved =
        SaveCardFileToPath(*cards_, ToStorePath(path), [quiet, &busy](const std::string& m) {
            busy.Stop();
            if (!quiet) {
                ShowStoreMessage(m);
            }
        });
    busy.Stop();
    if (saved) {
        Modify(false);
    }
    RefreshLockStatus();
    return saved;
}

bool CQuilloxNewDoc::OfferStrongForm() {
    const wxString question =
        wxString::FromUTF8(TooBigToEncryptMessage(EncryptedPlaintextSize(*cards_))) + "\n\n" +
        kSwitchToStrong;
    if (wxMessageBox(question, "Quillox", wxYES_NO | wxICON_QUESTION, GetDocumentWindow()) !=
        wxYES) {
        return false;
    }
    cards_->SetEncryptionForm(EncryptionForm::Strong);
    RefreshLockStatus();
    return true;
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
    const wxString path = AskFileToSave(GetDocumentWindow(), SaveNameFor(GetUserReadableName()));
    return !path.empty() && WriteTo(path, false);
}

// The copy is offered under the document's name, beside its file.
bool CQuilloxNewDoc::SaveAs() {
    const wxString folder = HasFile() ? wxFileName(GetFilename()).GetPath() : wxString();
    const wxString path =
        AskFileToSave(GetDocumentWindow(), SaveNameFor(GetUserReadableName()), folder);
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
    const std::string shown = host_.CurrentCategory();
    if (!shown.empty()) {
        prefs::Write(prefs::kLastSelectedCatg, wxString(shown));
    }
    // The Find dialog searches this document only, so it goes with it.
    if (findDialog_) {
        findDialog_->Destroy();
    }
    return wxDocument::OnCloseDocument();
}

}  // namespace quillox
