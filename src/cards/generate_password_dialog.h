#pragma once

#include <string>

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "store/password_generator.h"

namespace quillox {

// Makes random passwords from the chosen character classes; the caller puts
// the last one into a card when the dialog closes with "Use" (wxID_OK).
class CGeneratePasswordDlg : public wxDialog {
  public:
    enum : int {
        kUppercaseId = 1077,
        kLowercaseId = 1078,
        kNumbersId = 1079,
        kOthersId = 1080,
        kLengthId = 1081,
        kLengthSpinId = 1083,
        kToClipboardId = 1082,
        kPasswordId = 1084,
        // wxWidgets refuses window ids from 32767 up, so "New" cannot keep
        // the 32794 of the command it stood for.
        kNewId = 1085,
    };

    // useEnabled: whether "Use" may be pressed (see GeneratorUseAllowed).
    CGeneratePasswordDlg(wxWindow* parent, bool useEnabled);
    ~CGeneratePasswordDlg() override;

    // The password last generated, as Windows-1252 bytes (all ASCII).
    std::string Password() const;

  private:
    wxCheckBox* AddClass(wxWindow* parent, wxSizer& row, int id, const char* label, bool ticked);
    PasswordClasses Classes() const;
    void Generate();
    void OnToClipboard(wxCommandEvent& event);

    // The length is typed or set with the arrows; a typed length may go past
    // what the arrows reach.
    wxTextCtrl* length_ = nullptr;
    wxSpinButton* lengthSpin_ = nullptr;
    unsigned long lastLength_ = 10;
    wxCheckBox* upper_ = nullptr;
    wxCheckBox* lower_ = nullptr;
    wxCheckBox* numbers_ = nullptr;
    wxCheckBox* others_ = nullptr;
    wxTextCtrl* password_ = nullptr;
    std::string current_;
};

}  // namespace quillox
