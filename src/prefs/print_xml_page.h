#pragma once

#include <wx/checkbox.h>
#include <wx/panel.h>

#include "prefs/preference_values.h"

namespace quillox::prefs {

// The "Print/XML Preferences" page: what printing and the exports include.
class CPrintXMLSupportRef : public wxPanel {
  public:
    enum {
        kPrintAtmId = 1060,
        kPrintNotesId = 1062,
    };

    CPrintXMLSupportRef(wxWindow* parent, PreferenceValues& values);

    bool TransferDataFromWindow() override;

  private:
    PreferenceValues& values_;
    wxCheckBox* printAtm_ = nullptr;
    wxCheckBox* printNotes_ = nullptr;
};

}  // namespace quillox::prefs
