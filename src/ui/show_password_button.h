#pragma once

#include <memory>

#include <wx/bmpbuttn.h>
#include <wx/menu.h>
#include <wx/textctrl.h>

namespace quillox {

// The eye button beside a masked entry: a click shows the entry's text in a
// pop-up menu beside the button, while the entry itself stays masked.
class ShowPasswordButton : public wxBitmapButton {
  public:
    ShowPasswordButton(wxWindow* parent, wxWindowID id, const wxTextCtrl* source);

    // A menu whose one item, disabled, is the source's text; nullptr when
    // the source is empty, which shows nothing.
    std::unique_ptr<wxMenu> PasswordMenu() const;

    // Where the menu opens: 5 pixels right of the button's right edge, level
    // with its bottom edge, in the client coordinates of the dialog.
    wxPoint MenuPosition() const;

  private:
    void OnClick(wxCommandEvent& event);

    const wxTextCtrl* source_;
};

}  // namespace quillox
