#include "ui/show_password_button.h"

namespace quillox {

ShowPasswordButton::ShowPasswordButton(wxWindow* parent, wxWindowID id, const wxTextCtrl* source)
    : IconButton(parent, id, ArtId::ShowPassword, "Show the password"), source_(source) {
    Bind(wxEVT_BUTTON, &ShowPasswordButton::OnClick, this);
}

// The pop-up is the button's child, so it goes with the password's dialog.
void ShowPasswordButton::ShowPassword() {
    if (popup_) {
        popup_->Dismiss();
        popup_ = nullptr;
    }
    const wxString text = source_->GetValue();
    if (text.empty()) {
        return;
    }
    auto* popup = new PasswordPopup(this, text);
    popup->SetPosition(PopupPosition());
    popup->Popup();
    popup_ = popup;
}

PasswordPopup* ShowPasswordButton::Popup() const {
    return popup_ && popup_->IsShown() ? popup_.get() : nullptr;
}

wxPoint ShowPasswordButton::PopupPosition() const {
    const wxRect button = GetScreenRect();
    return wxPoint(button.GetRight() + 1 + 5, button.GetBottom() + 1);
}

void ShowPasswordButton::OnClick(wxCommandEvent&) {
    ShowPassword();
}

}  // namespace quillox
