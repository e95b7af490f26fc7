#pragma once

#include <wx/checkbox.h>
#include <wx/panel.h>

#include "prefs/preference_values.h"

namespace quillox::prefs {

// The "At Start Up" page: what the program opens and launches when it starts.
class CAtStartUpPref : public wxPanel {
  public:
    enum {
        kLaunchWebBrowserId = 1052,
        kLaunchFtpId = 1053,
        kLaunchEmailId = 1054,
        kLaunchTelnetId = 1055,
        kLaunchNewsReaderId = 1056,
        kOpenRecentFileId = 1057,
    };

    CAtStartUpPref(wxWindow* parent, PreferenceValues& values);

    bool TransferDataFromWindow() override;

  private:
    PreferenceValues& values_;
    wxCheckBox* openRecentFile_ = nullptr;
    wxCheckBox* launchWebBrowser_ = nullptr;
    wxCheckBox* launchFtp_ = nullptr;
    wxCheckBox* launchEmail_ = nullptr;
    wxCheckBox* launchTelnet_ = nullptr;
    wxCheckBox* launchNewsReader_ = nullptr;
};

}  // namespace quillox::prefs
