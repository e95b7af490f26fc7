#pragma once

#include <wx/textctrl.h>
#include <wx/weakref.h>

#include "ui/icon_button.h"
#include "ui/password_popup.h"

namespace quillox {

// The window's outer rectangle on the screen, its border included. (Windows'
// GetScreenRect starts at the client area, inside the border.)
wxRect OuterScreenRect(const wxWindow& window);

// Where a pop-up of size wanted goes for an entry and its eye button (screen
// rectangles) in a window whose client area is area: just under the row of
// entry and button, from the entry's left edge, no wider than the row; above
// the row when there is no room under it; never outside area.
wxRect PlacePasswordPopup(const wxRect& entry, const wxRect& button, const wxRect& area,
                          const wxSize& wanted);

// The eye button beside a masked entry: a click shows the entry's text in a
// small pop-up under the entry, as plain text that can be read and selected,
// while the entry itself stays masked. An empty entry shows nothing.
class ShowPasswordButton : public IconButton {
  public:
    ShowPasswordButton(wxWindow* parent, wxWindowID id, const wxTextCtrl* source);

    // What a click does.
    void ShowPassword();
    // The pop-up while it is open, or nullptr.
    PasswordPopup* Popup() const;

    // Where a pop-up of size wanted opens, on the screen: inside the
    // button's window, clear of the buttons beside the entry's row.
    wxRect PopupRect(const wxSize& wanted);

  private:
    void OnClick(wxCommandEvent& event);

    const wxTextCtrl* source_;
    wxWeakRef<PasswordPopup> popup_;
};

}  // namespace quillox
