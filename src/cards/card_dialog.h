#pragma once

#include <array>
#include <optional>
#include <string>

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

#include "cards/card_form.h"

namespace quillox {

// The dialog in which a card is created or changed. It knows nothing of
// documents: the list view fills it from a CardForm and stores the Result().
class CCardDlg : public wxDialog {
  public:
    enum : int {
        kCategoryNameId = 1044,
        kFirstLabelId = 1017,  // the four labels are 1017 to 1020
        kField1Id = 1013,
        kField2Id = 1014,
        kField3Id = 1015,
        kField4Id = 1016,
        kNoteId = 1012,
        kEditUrlId = 1118,
        kShowPasswordId = 1061,
        kNewBrowserWindowId = 1070,
        kAutomaticAccessId = 1069,
    };

    CCardDlg(wxWindow* parent, const CardForm& form);
    ~CCardDlg() override;

    // The form as the controls hold it; read after ShowModal returned
    // wxID_OK. A text left as it was shown comes back byte for byte. Throws
    // std::runtime_error for a text a card cannot hold, which OK refuses
    // through Validate.
    CardForm Result() const;

    // Whether a Quillox file can hold every text; if not, says which in a
    // message box and puts the focus there. OK asks before closing.
    bool Validate() override;

  private:
    // One of the five texts, in the order of CardRecord::Text.
    struct Text {
        wxTextCtrl* control = nullptr;
        std::string original;  // the form's bytes
        wxString shown;        // what the control held when the dialog opened
        std::string fieldName;
        bool secret = false;
        bool note = false;
    };

    wxSizer* CreateCategoryRow(const CardForm& form);
    wxSizer* CreateCardInfo(const CardForm& form);
    wxSizer* CreateAttributes(const CardForm& form);
    wxSizer* CreateButtons(const CardForm& form);
    void Fill(Text& text, const std::string& bytes);
    std::optional<std::string> Bytes(const Text& text, std::string* problem) const;
    void OnEditUrl(wxCommandEvent& event);

    CardForm form_;
    std::array<Text, CardRecord::kTextCount> texts_;
    wxCheckBox* newBrowserWindow_ = nullptr;
    wxCheckBox* automaticAccess_ = nullptr;
};

}  // namespace quillox
