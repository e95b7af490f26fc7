#pragma once

#include <optional>

#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "store/secret_string.h"

namespace quillox {

// Asks for the key of an encrypted file being opened. The entry is cleared
// when the dialog goes, so read Password() before.
class DecryptionPasswordDialog : public wxDialog {
  public:
    enum : int {
        kPromptId = 1021,
        kPasswordId = 1071,
        kShowId = 1061,
    };

    DecryptionPasswordDialog(wxWindow* parent, const wxString& title);
    ~DecryptionPasswordDialog() override;

    // The entry as Windows-1252 bytes; nothing when a character has none.
    std::optional<SecretString> Password() const;

  private:
    void ShowWholeTitle(const wxString& title);
    void OnOk(wxCommandEvent& event);

    wxTextCtrl* password_ = nullptr;
};

// The password typed into the dialog, or nothing when the user cancels; the
// prompt a loader of encrypted files asks through.
std::optional<SecretString> AskDecryptionPassword(wxWindow* parent, const wxString& title);

}  // namespace quillox
