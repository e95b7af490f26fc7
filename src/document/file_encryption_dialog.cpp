#include "document/file_encryption_dialog.h"

#include <wx/button.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "document/about_keys_dialog.h"
#include "ui/password_entry.h"
#include "ui/show_password_button.h"

namespace quillox {

namespace {
constexpr const char* kImportantText =
    "Remember this key well. You need this key to decipher the file later. If you loose or "
    "forget this key, you will no longer be able to access the file.Your data will be lost "
    "forever!";
}  // namespace

FileEncryptionDialog::FileEncryptionDialog(wxWindow* parent, bool encryptOnSave,
                                           const SecretString& password, EncryptionForm form,
                                           const wxString& tooBigWarning)
    : wxDialog(parent, wxID_ANY, "File Encryption") {
    const int gap = FromDIP(10);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(CreatePasswordGroup(), 1, wxEXPAND);
    top->Add(CreateButtons(), 0, wxLEFT, gap);

    important_ = new wxStaticBoxSizer(wxVERTICAL, this, "Important");
    auto* warning = new wxStaticText(important_->GetStaticBox(), kImportantTextId, kImportantText);
    warning->Wrap(FromDIP(400));
    important_->Add(warning, 0, wxALL, FromDIP(5));

    tooBig_ = new wxStaticText(this, kTooBigWarningId, tooBigWarning);
    tooBig_->Wrap(FromDIP(400));

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(top, 0, wxEXPAND | wxALL, gap);
    layout->Add(tooBig_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, gap);
    layout->Add(important_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, gap);
    SetSizer(layout);

    encrypt_->SetValue(encryptOnSave);
    (form == EncryptionForm::Strong ? strong_ : compatible_)->SetValue(true);
    if (encryptOnSave) {
        ShowEntryBytes(*first_, password);
        ShowEntryBytes(*second_, password);
    }
    ShowTickState(encryptOnSave);
    CentreOnParent();
    // Not on OK, where Space would close the dialog unchanged: on the key
    // while it can be typed, else on the box that allows typing it.
    if (encryptOnSave) {
        first_->SetFocus();
    } else {
        encrypt_->SetFocus();
    }

    encrypt_->Bind(wxEVT_CHECKBOX, &FileEncryptionDialog::OnEncryptClicked, this);
    for (wxRadioButton* choice : {strong_, compatible_}) {
        choice->Bind(wxEVT_RADIOBUTTON, &FileEncryptionDialog::OnFormChosen, this);
    }
    Bind(wxEVT_BUTTON, &FileEncryptionDialog::OnAboutKeys, this, kAboutKeysId);
    Bind(wxEVT_BUTTON, &FileEncryptionDialog::OnOk, this, wxID_OK);
}

FileEncryptionDialog::~FileEncryptionDialog() {
    first_->ChangeValue(wxString());
    second_->ChangeValue(wxString());
}

wxSizer* FileEncryptionDialog::CreatePasswordGroup() {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Enter Password");
    wxStaticBox* box = group->GetStaticBox();
    const int gap = FromDIP(5);
    const wxSize entrySize(FromDIP(240), -1);

    encrypt_ = new wxCheckBox(box, kEncryptId, "Encrypt On Save");
    first_ =
        new wxTextCtrl(box, kFirstEntryId, wxString(), wxDefaultPosition, entrySize, wxTE_PASSWORD);
    second_ = new wxTextCtrl(box, kSecondEntryId, wxString(), wxDefaultPosition, entrySize,
                             wxTE_PASSWORD);
    auto* show = new ShowPasswordButton(box, kShowId, first_);
    strong_ = new wxRadioButton(box, kStrongId, "Strong (Argon2id, XChaCha20-Poly1305)",
                                wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    compatible_ = new wxRadioButton(
        box, kCompatibleId, "Compatible (readable by older versions; at most 65,528 bytes)");

    auto* firstRow = new wxBoxSizer(wxHORIZONTAL);
    firstRow->Add(first_, 1, wxALIGN_CENTER_VERTICAL);
    firstRow->Add(show, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, gap);
    auto* secondRow = new wxBoxSizer(wxHORIZONTAL);
    secondRow->Add(second_, 1, wxALIGN_CENTER_VERTICAL);
    // Keeps both entries the same width.
    secondRow->Add(show->GetBestSize().GetWidth() + gap, 0);

    group->Add(encrypt_, 0, wxALL, gap);
    group->Add(new wxStaticText(box, wxID_ANY, "Enter your password (key) below:"), 0,
               wxLEFT | wxRIGHT | wxTOP, gap);
    group->Add(firstRow, 0, wxEXPAND | wxALL, gap);
    group->Add(new wxStaticText(box, wxID_ANY, "Enter your password (key) again:"), 0,
               wxLEFT | wxRIGHT | wxTOP, gap);
    group->Add(secondRow, 0, wxEXPAND | wxALL, gap);
    group->Add(strong_, 0, wxLEFT | wxRIGHT | wxTOP, gap);
    group->Add(compatible_, 0, wxALL, gap);
    return group;
}

wxSizer* FileEncryptionDialog::CreateButtons() {
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(ok, 0, wxEXPAND | wxTOP, FromDIP(6));
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND | wxTOP, FromDIP(5));
    buttons->Add(new wxButton(this, kAboutKeysId, "About Keys"), 0, wxEXPAND | wxTOP, FromDIP(15));
    return buttons;
}

bool FileEncryptionDialog::IsEncryptTicked() const {
    return encrypt_->IsChecked();
}

EncryptionForm FileEncryptionDialog::ChosenForm() const {
    return compatible_->GetValue() ? EncryptionForm::Compatible : EncryptionForm::Strong;
}

std::optional<SecretString> FileEncryptionDialog::FirstEntry() const {
    return EntryBytes(*first_);
}

std::optional<SecretString> FileEncryptionDialog::SecondEntry() const {
    return EntryBytes(*second_);
}

// Entries are only typed into while encrypting, and look it: read-only
// entries that look editable invite typing that goes nowhere. The warning
// about losing the key is shown only then, and the dialog shrinks without it;
// so is the one about cards too big for the compatible form, which saving
// plain or in the strong form can still hold. The form matters only then.
void FileEncryptionDialog::ShowTickState(bool ticked) {
    for (wxTextCtrl* entry : {first_, second_}) {
        entry->SetEditable(ticked);
        entry->Enable(ticked);
    }
    strong_->Enable(ticked);
    compatible_->Enable(ticked);
    GetSizer()->Show(important_, ticked);
    GetSizer()->Show(tooBig_, ticked && ChosenForm() == EncryptionForm::Compatible &&
                                  !tooBig_->GetLabel().empty());
    Layout();
    GetSizer()->SetSizeHints(this);
}

void FileEncryptionDialog::OnEncryptClicked(wxCommandEvent&) {
    const bool ticked = encrypt_->IsChecked();
    if (!ticked) {
        first_->ChangeValue(wxString());
        second_->ChangeValue(wxString());
    }
    ShowTickState(ticked);
    // Ticked to type a key: the first entry takes it.
    if (ticked) {
        first_->SetFocus();
    }
}

void FileEncryptionDialog::OnFormChosen(wxCommandEvent&) {
    ShowTickState(encrypt_->IsChecked());
}

void FileEncryptionDialog::OnAboutKeys(wxCommandEvent&) {
    AboutKeysDialog about(this);
    about.ShowModal();
}

void FileEncryptionDialog::OnOk(wxCommandEvent& event) {
    // Skipping lets the dialog's own OK handling close it.
    if (CheckEntriesStorable(this, {first_, second_})) {
        event.Skip();
    }
}

}  // namespace quillox
