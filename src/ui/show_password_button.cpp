#include "ui/show_password_button.h"

#include <wx/toplevel.h>

#include "ui/art/art.h"

namespace quillox {

namespace {
const wxWindow* TopLevelOf(const wxWindow* window) {
    while (!window->IsTopLevel() && window->GetParent() != nullptr) {
        window = window->GetParent();
    }
    return window;
}
}  // namespace

ShowPasswordButton::ShowPasswordButton(wxWindow* parent, wxWindowID id, const wxTextCtrl* source)
    : wxBitmapButton(parent, id, ArtBundle(ArtId::ShowPassword, wxSize(16, 16))), source_(source) {
    SetToolTip("Show the password");
    Bind(wxEVT_BUTTON, &ShowPasswordButton::OnClick, this);
}

std::unique_ptr<wxMenu> ShowPasswordButton::PasswordMenu() const {
    const wxString text = source_->GetValue();
    if (text.empty()) {
        return nullptr;
    }
    auto menu = std::make_unique<wxMenu>();
    // Escaped, or an & in the password would turn into a mnemonic and vanish.
    menu->Append(wxID_ANY, wxControl::EscapeMnemonics(text))->Enable(false);
    return menu;
}

wxPoint ShowPasswordButton::MenuPosition() const {
    const wxRect button = GetScreenRect();
    return TopLevelOf(this)->ScreenToClient(
        wxPoint(button.GetLeft() + button.GetWidth() + 5, button.GetTop() + button.GetHeight()));
}

void ShowPasswordButton::OnClick(wxCommandEvent&) {
    std::unique_ptr<wxMenu> menu = PasswordMenu();
    if (menu) {
        wxGetTopLevelParent(this)->PopupMenu(menu.get(), MenuPosition());
    }
}

}  // namespace quillox
