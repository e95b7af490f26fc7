#include "document/decryption_password_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "ui/password_entry.h"
#include "ui/show_password_button.h"

namespace quillox {

DecryptionPasswordDialog::DecryptionPasswordDialog(wxWindow* parent, const wxString& title)
    : wxDialog(parent, wxID_ANY, title) {
    const int gap = FromDIP(10);
    auto* prompt =
        new wxStaticText(this, kPromptId, "This file is encrypted, please enter your password:");
    password_ = new wxTextCtrl(this, kPasswordId, wxString(), wxDefaultPosition,
                               wxSize(FromDIP(260), -1), wxTE_PASSWORD);
    auto* show = new ShowPasswordButton(this, kShowId, password_);

    auto* entryRow = new wxBoxSizer(wxHORIZONTAL);
    entryRow->Add(password_, 1, wxALIGN_CENTER_VERTICAL);
    entryRow->Add(show, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, FromDIP(5));

    wxSizer* buttons = CreateStdDialogButtonSizer(wxOK | wxCANCEL);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(prompt, 0, wxLEFT | wxRIGHT | wxTOP, gap);
    layout->Add(entryRow, 0, wxEXPAND | wxALL, gap);
    layout->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, gap);
    SetSizerAndFit(layout);
    ShowWholeTitle(title);
    CentreOnParent();
    password_->SetFocus();

    Bind(wxEVT_BUTTON, &DecryptionPasswordDialog::OnOk, this, wxID_OK);
}

// The title names the file; a window manager cuts a title wider than the
// window. Title bars use a bold font, and their buttons take room beside it.
void DecryptionPasswordDialog::ShowWholeTitle(const wxString& title) {
    const wxFont bold = GetFont().Bold();
    int textWidth = 0;
    int textHeight = 0;
    GetTextExtent(title, &textWidth, &textHeight, nullptr, nullptr, &bold);
    const int titleWidth = textWidth + FromDIP(120);
    if (GetSize().GetWidth() < titleWidth) {
        SetSize(wxSize(titleWidth, GetSize().GetHeight()));
    }
}

DecryptionPasswordDialog::~DecryptionPasswordDialog() {
    password_->ChangeValue(wxString());
}

std::optional<SecretString> DecryptionPasswordDialog::Password() const {
    return EntryBytes(*password_);
}

void DecryptionPasswordDialog::OnOk(wxCommandEvent& event) {
    // Skipping lets the dialog's own OK handling close it.
    if (CheckEntriesStorable(this, {password_})) {
        event.Skip();
    }
}

std::optional<SecretString> AskDecryptionPassword(wxWindow* parent, const wxString& title) {
    DecryptionPasswordDialog dialog(parent, title);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.Password();
}

}  // namespace quillox
