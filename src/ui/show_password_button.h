#pragma once

#include <wx/textctrl.h>
#include <wx/weakref.h>

#include "ui/icon_button.h"
#include "ui/password_popup.h"

namespace quillox {

// The eye button beside a masked entry: a click shows the entry's text in a
// small pop-up beside the button, as plain text that can be read and
// selected, while the entry itself stays masked. An empty entry shows nothing.
class ShowPasswordButton : public IconButton {
  public:
    ShowPasswordButton(wxWindow* parent, wxWindowID id, const wxTextCtrl* source);

    // What a click does.
    void ShowPassword();
    // The pop-up while it is open, or nullptr.
    PasswordPopup* Popup() const;

    // Where the pop-up opens: 5 pixels right of the button's right edge,
    // level with its bottom edge, on the screen.
    wxPoint PopupPosition() const;

  private:
    void OnClick(wxCommandEvent& event);

    const wxTextCtrl* source_;
    wxWeakRef<PasswordPopup> popup_;
};

}  // namespace quillox
