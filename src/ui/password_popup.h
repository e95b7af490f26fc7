#pragma once

#include <wx/popupwin.h>
#include <wx/textctrl.h>

namespace quillox {

// A small pop-up showing a password as plain text that can be read and
// selected. It closes on a click elsewhere or on Escape, forgets the text
// then, and goes.
class PasswordPopup : public wxPopupTransientWindow {
  public:
    PasswordPopup(wxWindow* parent, const wxString& password);
    ~PasswordPopup() override;

    const wxTextCtrl& Text() const { return *text_; }

    // However it closes, the text is forgotten and the pop-up goes.
    void Dismiss() override;

  private:
    void OnKey(wxKeyEvent& event);

    wxTextCtrl* text_ = nullptr;
};

}  // namespace quillox
