#pragma once

#include <wx/dialog.h>
#include <wx/textctrl.h>

namespace quillox {

// Gives a card's URL a roomy box of its own, for addresses too long to read
// in the card dialog's one-line field.
class CEditUrlDlg : public wxDialog {
  public:
    enum : int { kUrlId = 1063 };

    CEditUrlDlg(wxWindow* parent, const wxString& url);

    wxString Url() const;

  private:
    wxTextCtrl* url_ = nullptr;
};

}  // namespace quillox
