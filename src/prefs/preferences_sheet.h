#pragma once

#include <wx/propdlg.h>
#include <wx/window.h>

#include "prefs/preference_values.h"

namespace quillox::prefs {

// The Preferences sheet: the pages "General", "At Start Up", "Path Settings"
// and "Print/XML Preferences", showing a copy of values that the pages update
// when the sheet's data is transferred from its windows.
class CPrefPropertySheet : public wxPropertySheetDialog {
  public:
    CPrefPropertySheet(wxWindow* parent, const PreferenceValues& values);

    bool TransferDataFromWindow() override;

    const PreferenceValues& Values() const { return values_; }

  private:
    PreferenceValues values_;
};

// Runs the sheet on the stored values and, on OK, stores what it shows;
// Cancel stores nothing. Returns whether the user pressed OK.
bool RunPreferencesSheet(wxWindow* parent);

}  // namespace quillox::prefs
