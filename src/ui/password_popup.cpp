#include "ui/password_popup.h"

#include <wx/app.h>
#include <wx/sizer.h>

namespace quillox {

PasswordPopup::PasswordPopup(wxWindow* parent, const wxString& password)
    : wxPopupTransientWindow(parent, wxBORDER_SIMPLE | wxPU_CONTAINS_CONTROLS) {
    text_ = new wxTextCtrl(this, wxID_ANY, password, wxDefaultPosition, wxDefaultSize,
                           wxTE_READONLY | wxBORDER_NONE);
    text_->SetName("Password");
    text_->SetInitialSize(
        wxSize(text_->GetTextExtent(password).GetWidth() + FromDIP(16), wxDefaultCoord));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(text_, 1, wxEXPAND | wxALL, FromDIP(4));
    SetSizerAndFit(sizer);
    Bind(wxEVT_CHAR_HOOK, &PasswordPopup::OnKey, this);
}

PasswordPopup::~PasswordPopup() {
    text_->ChangeValue(wxString());
}

void PasswordPopup::Dismiss() {
    wxPopupTransientWindow::Dismiss();
    text_->ChangeValue(wxString());
    // Not while the dismissing click is still being handled.
    wxTheApp->ScheduleForDestruction(this);
}

void PasswordPopup::OnKey(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
        DismissAndNotify();
        return;
    }
    event.Skip();
}

}  // namespace quillox
