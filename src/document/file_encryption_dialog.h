#pragma once

#include <optional>

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "store/encryption_form.h"
#include "store/secret_string.h"

namespace quillox {

// Where the user chooses whether a document is saved encrypted, its key and
// the form it is encrypted in. Cards too big for the compatible form are
// warned of with tooBigWarning while the box is ticked and that form chosen
// (never when the text is empty). The caller reads the choice through the
// accessors after ShowModal returns wxID_OK (ApplyEncryptionChoice decides
// what it means); the entries are cleared when the dialog goes.
class FileEncryptionDialog : public wxDialog {
  public:
    enum : int {
        kEncryptId = 1046,
        kFirstEntryId = 1002,
        kSecondEntryId = 1003,
        kShowId = 1049,
        kAboutKeysId = 1048,
        kImportantTextId = 1050,
        kTooBigWarningId = 1051,
        kStrongId = 1052,
        kCompatibleId = 1053,
    };

    FileEncryptionDialog(wxWindow* parent, bool encryptOnSave, const SecretString& password,
                         EncryptionForm form, const wxString& tooBigWarning = wxString());
    ~FileEncryptionDialog() override;

    bool IsEncryptTicked() const;
    EncryptionForm ChosenForm() const;
    // The entries as Windows-1252 bytes; nothing when one holds a character
    // that has none.
    std::optional<SecretString> FirstEntry() const;
    std::optional<SecretString> SecondEntry() const;

  private:
    wxSizer* CreatePasswordGroup();
    wxSizer* CreateButtons();
    void ShowTickState(bool ticked);
    void OnEncryptClicked(wxCommandEvent& event);
    void OnFormChosen(wxCommandEvent& event);
    void OnAboutKeys(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    wxCheckBox* encrypt_ = nullptr;
    wxTextCtrl* first_ = nullptr;
    wxTextCtrl* second_ = nullptr;
    wxRadioButton* strong_ = nullptr;
    wxRadioButton* compatible_ = nullptr;
    wxStaticText* tooBig_ = nullptr;
    wxStaticBoxSizer* important_ = nullptr;
};

}  // namespace quillox
