#pragma once

#include <optional>

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "store/secret_string.h"

namespace quillox {

// Where the user chooses whether a document is saved encrypted, and its key.
// The caller reads the choice through the accessors after ShowModal returns
// wxID_OK (ApplyEncryptionChoice decides what it means); the entries are
// cleared when the dialog goes.
class FileEncryptionDialog : public wxDialog {
  public:
    enum : int {
        kEncryptId = 1046,
        kFirstEntryId = 1002,
        kSecondEntryId = 1003,
        kShowId = 1049,
        kAboutKeysId = 1048,
        kImportantTextId = 1050,
    };

    FileEncryptionDialog(wxWindow* parent, bool encryptOnSave, const SecretString& password);
    ~FileEncryptionDialog() override;

    bool IsEncryptTicked() const;
    // The entries as Windows-1252 bytes; nothing when one holds a character
    // that has none.
    std::optional<SecretString> FirstEntry() const;
    std::optional<SecretString> SecondEntry() const;

  private:
    wxSizer* CreatePasswordGroup();
    wxSizer* CreateButtons();
    void ShowTickState(bool ticked);
    void OnEncryptClicked(wxCommandEvent& event);
    void OnAboutKeys(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    wxCheckBox* encrypt_ = nullptr;
    wxTextCtrl* first_ = nullptr;
    wxTextCtrl* second_ = nullptr;
    wxStaticBoxSizer* important_ = nullptr;
};

}  // namespace quillox
