#pragma once

#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <array>

#include "prefs/preference_values.h"

namespace quillox::prefs {

// The "Path Settings" page: where the helper programs are. "Find Path..."
// puts a chosen file into the edit of the program whose radio button is checked.
class CPathSettingsRef : public wxPanel {
  public:
    enum {
        kTelnetId = 1015,
        kMailAppId = 1016,
        kFtpAppId = 1017,
        kNewsReaderId = 1018,
        kAcrobatReaderId = 1019,
        kNavigatorId = 1116,
        kNavigatorPathId = 1027,
        kMailAppPathId = 1028,
        kNewsReaderPathId = 1032,
        kFtpAppPathId = 1033,
        kFindPathId = 1034,
        kAcrobatReaderPathId = 1035,
        kTelnetPathId = 1036,
    };

    CPathSettingsRef(wxWindow* parent, PreferenceValues& values);

    bool TransferDataFromWindow() override;

  private:
    static constexpr std::size_t kProgramCount = 6;

    void OnFindPath(wxCommandEvent& event);
    std::array<wxString*, kProgramCount> Fields();

    PreferenceValues& values_;
    std::array<wxRadioButton*, kProgramCount> radios_{};
    std::array<wxTextCtrl*, kProgramCount> paths_{};
};

}  // namespace quillox::prefs
