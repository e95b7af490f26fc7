#include "cards/edit_url_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>

namespace quillox {

CEditUrlDlg::CEditUrlDlg(wxWindow* parent, const wxString& url)
    : wxDialog(parent, wxID_ANY, "Edit URL", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    const int gap = FromDIP(10);
    // Several lines only to show a long address whole: Return presses OK, as
    // a URL has no line breaks.
    url_ = new wxTextCtrl(this, kUrlId, url, wxDefaultPosition, FromDIP(wxSize(400, 70)),
                          wxTE_MULTILINE | wxVSCROLL | wxTE_PROCESS_ENTER);
    url_->SetName("URL");

    wxSizer* buttons = CreateStdDialogButtonSizer(wxOK | wxCANCEL);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(url_, 1, wxEXPAND | wxALL, gap);
    layout->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, gap);
    SetSizerAndFit(layout);
    CentreOnParent();
    url_->SetFocus();

    url_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { EmulateButtonClickIfPresent(wxID_OK); });
}

wxString CEditUrlDlg::Url() const {
    return url_->GetValue();
}

}  // namespace quillox
