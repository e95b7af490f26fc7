#include "ui/show_password_button.h"

#include <algorithm>

#include <wx/toplevel.h>

namespace quillox {

wxRect OuterScreenRect(const wxWindow& window) {
    const wxWindow* parent = window.GetParent();
    if (window.IsTopLevel() || parent == nullptr) {
        return wxRect(window.GetPosition(), window.GetSize());
    }
    return wxRect(parent->ClientToScreen(window.GetPosition()), window.GetSize());
}

wxRect PlacePasswordPopup(const wxRect& entry, const wxRect& button, const wxRect& area,
                          const wxSize& wanted) {
    const wxRect row = entry.Union(button);
    wxRect placed(row.GetLeft(), row.GetBottom() + 1, std::min(wanted.x, row.width), wanted.y);
    if (placed.GetBottom() > area.GetBottom()) {
        placed.y = row.GetTop() - placed.height;
    }
    placed.width = std::min(placed.width, area.width);
    placed.height = std::min(placed.height, area.height);
    placed.x = std::clamp(placed.x, area.GetLeft(), area.GetRight() + 1 - placed.width);
    placed.y = std::clamp(placed.y, area.GetTop(), area.GetBottom() + 1 - placed.height);
    return placed;
}

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
    popup->SetSize(PopupRect(popup->GetSize()));
    popup->Popup();
    popup_ = popup;
}

PasswordPopup* ShowPasswordButton::Popup() const {
    return popup_ && popup_->IsShown() ? popup_.get() : nullptr;
}

// Beside the button (where a menu would open) it covers the dialog's own
// buttons and can leave the dialog; under the entry it covers only what
// follows the entry, inside the dialog.
wxRect ShowPasswordButton::PopupRect(const wxSize& wanted) {
    const wxWindow* window = wxGetTopLevelParent(this);
    const wxRect area(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
    return PlacePasswordPopup(OuterScreenRect(*source_), OuterScreenRect(*this), area, wanted);
}

void ShowPasswordButton::OnClick(wxCommandEvent&) {
    ShowPassword();
}

}  // namespace quillox
