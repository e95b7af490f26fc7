#include "cards/card_dialog.h"

#include <stdexcept>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "cards/edit_url_dialog.h"
#include "store/text_codec.h"
#include "ui/icon_button.h"
#include "ui/show_password_button.h"

namespace quillox {

namespace {

wxString FromCp1252(std::string_view bytes) {
    const std::string utf8 = Cp1252ToUtf8(bytes);
    return wxString::FromUTF8(utf8.data(), utf8.size());
}

std::string CardForm::*const kTextMembers[CardRecord::kTextCount] = {
    &CardForm::field1, &CardForm::field2, &CardForm::field3, &CardForm::field4, &CardForm::note};

}  // namespace

CCardDlg::CCardDlg(wxWindow* parent, const CardForm& form)
    : wxDialog(parent, wxID_ANY, form.editMode ? "Edit Card" : "New Card", wxDefaultPosition,
               wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      form_(form) {
    const int gap = FromDIP(10);
    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(CreateCategoryRow(form), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, gap);
    layout->Add(CreateCardInfo(form), 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, gap);
    layout->Add(CreateAttributes(form), 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, gap);
    layout->Add(CreateButtons(form), 0, wxEXPAND | wxALL, gap);
    SetSizerAndFit(layout);
    CentreOnParent();

    for (std::size_t i = 0; i < texts_.size(); ++i) {
        Fill(texts_[i], form.*kTextMembers[i]);
    }
    texts_[CardRecord::kField1].control->SetFocus();
    texts_[CardRecord::kField1].control->SelectAll();

    Bind(wxEVT_BUTTON, &CCardDlg::OnEditUrl, this, kEditUrlId);
}

CCardDlg::~CCardDlg() {
    texts_[CardRecord::kField4].control->ChangeValue(wxString());
}

wxSizer* CCardDlg::CreateCategoryRow(const CardForm& form) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, "Selected Category:"), 0, wxALIGN_CENTER_VERTICAL);
    row->Add(new wxStaticText(this, kCategoryNameId, FromCp1252(form.categoryName)), 0,
             wxLEFT | wxALIGN_CENTER_VERTICAL, FromDIP(5));
    return row;
}

wxSizer* CCardDlg::CreateCardInfo(const CardForm& form) {
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Card Info");
    wxStaticBox* box = group->GetStaticBox();
    const int gap = FromDIP(5);
    const wxSize entrySize(FromDIP(260), -1);

    auto* grid = new wxFlexGridSizer(3, gap, gap);
    grid->AddGrowableCol(1);
    for (int i = 0; i < 4; ++i) {
        const std::string& label = form.labels[static_cast<std::size_t>(i)];
        grid->Add(new wxStaticText(box, kFirstLabelId + i, FromCp1252(label)), 0,
                  wxALIGN_CENTER_VERTICAL);
        Text& text = texts_[static_cast<std::size_t>(i)];
        text.fieldName = FieldNameOfLabel(label);
        text.secret = i == CardRecord::kField4;
        text.control = new wxTextCtrl(box, kField1Id + i, wxString(), wxDefaultPosition, entrySize,
                                      text.secret ? wxTE_PASSWORD : 0);
        text.control->SetName(FromCp1252(text.fieldName));
        // Wider with the dialog, but no taller than an entry beside a button.
        auto* entry = new wxBoxSizer(wxHORIZONTAL);
        entry->Add(text.control, 1, wxALIGN_CENTER_VERTICAL);
        grid->Add(entry, 0, wxEXPAND);
        if (i == CardRecord::kField2) {
            auto* editUrl = new IconButton(box, kEditUrlId, ArtId::EditUrl, "Edit URL");
            editUrl->Show(ShowsEditUrlButton(form.categoryName));
            grid->Add(editUrl, 0, wxALIGN_CENTER_VERTICAL);
        } else if (i == CardRecord::kField4) {
            grid->Add(new ShowPasswordButton(box, kShowPasswordId, text.control), 0,
                      wxALIGN_CENTER_VERTICAL);
        } else {
            grid->AddSpacer(0);
        }
    }

    auto* noteLabel = new wxStaticText(box, wxID_ANY, "Note:");
    Text& note = texts_[CardRecord::kNote];
    note.fieldName = "Note";
    note.note = true;
    // Multi-line controls on GTK take Return as a new line, never as the
    // default button.
    note.control = new wxTextCtrl(box, kNoteId, wxString(), wxDefaultPosition,
                                  wxSize(-1, FromDIP(90)), wxTE_MULTILINE | wxVSCROLL);
    note.control->SetName("Note");

    group->Add(grid, 0, wxEXPAND | wxALL, gap);
    group->Add(noteLabel, 0, wxLEFT | wxRIGHT | wxTOP, gap);
    group->Add(note.control, 1, wxEXPAND | wxALL, gap);
    return group;
}

wxSizer* CCardDlg::CreateAttributes(const CardForm& form) {
    auto* group = new wxStaticBoxSizer(wxHORIZONTAL, this, "Attributes");
    wxStaticBox* box = group->GetStaticBox();
    newBrowserWindow_ = new wxCheckBox(box, kNewBrowserWindowId, "New Browser Window");
    automaticAccess_ = new wxCheckBox(box, kAutomaticAccessId, "Automatic Access");
    newBrowserWindow_->SetValue(form.newBrowserWindow);
    automaticAccess_->SetValue(form.automaticAccess);
    newBrowserWindow_->Enable(form.webAttributesEnabled);
    automaticAccess_->Enable(form.webAttributesEnabled);
    group->Add(newBrowserWindow_, 0, wxALL, FromDIP(5));
    group->Add(automaticAccess_, 0, wxALL, FromDIP(5));
    return group;
}

wxSizer* CCardDlg::CreateButtons(const CardForm& form) {
    auto* ok = new wxButton(this, wxID_OK, form.editMode ? "OK" : "Add Card");
    ok->SetDefault();
    auto* buttons = new wxStdDialogButtonSizer();
    buttons->AddButton(ok);
    buttons->AddButton(new wxButton(this, wxID_CANCEL, "Cancel"));
    buttons->Realize();
    return buttons;
}

// The note's line breaks, whichever kind, show as lines.
void CCardDlg::Fill(Text& text, const std::string& bytes) {
    text.original = bytes;
    text.control->ChangeValue(FromCp1252(text.note ? NoteLinesForEditor(bytes) : bytes));
    // Read back, so that whatever the control makes of the text counts as unchanged.
    text.shown = text.control->GetValue();
}

// A text left as shown keeps its bytes, so that opening a card and pressing
// OK changes none of them, whatever line breaks its note has.
std::optional<std::string> CCardDlg::Bytes(const Text& text, std::string* problem) const {
    const wxString value = text.control->GetValue();
    std::string utf8;
    if (value == text.shown) {
        utf8 = Cp1252ToUtf8(text.original);
    } else {
        utf8 = value.utf8_string();
        if (text.note) {
            utf8 = NoteLinesFromEditor(utf8);
        }
    }
    return FormTextBytes(utf8, text.fieldName, text.secret, problem);
}

CardForm CCardDlg::Result() const {
    CardForm result = form_;
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        std::string problem;
        std::optional<std::string> bytes = Bytes(texts_[i], &problem);
        if (!bytes) {
            throw std::runtime_error(problem);
        }
        result.*kTextMembers[i] = std::move(*bytes);
    }
    result.newBrowserWindow = newBrowserWindow_->IsChecked();
    result.automaticAccess = automaticAccess_->IsChecked();
    return result;
}

bool CCardDlg::Validate() {
    if (!wxDialog::Validate()) {
        return false;
    }
    for (const Text& text : texts_) {
        std::string problem;
        if (!Bytes(text, &problem)) {
            wxMessageBox(wxString::FromUTF8(problem), "Quillox", wxOK | wxICON_EXCLAMATION, this);
            text.control->SetFocus();
            return false;
        }
    }
    return true;
}

void CCardDlg::OnEditUrl(wxCommandEvent&) {
    wxTextCtrl* url = texts_[CardRecord::kField2].control;
    CEditUrlDlg editor(this, url->GetValue());
    if (editor.ShowModal() == wxID_OK) {
        url->ChangeValue(editor.Url());
    }
}

}  // namespace quillox
