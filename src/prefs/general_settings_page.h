#pragma once

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "prefs/preference_values.h"

namespace quillox::prefs {

// The "General" page: web browser, automatic save, password display, how
// long copied texts stay on the clipboard, when encrypted documents lock, the
// form files are first encrypted in and the date format of card dates.
class CGeneralSettingsPref : public wxPanel {
  public:
    enum {
        kMinutesSpinId = 1113,
        kMinutesId = 1114,
        kAutomaticSaveId = 1115,
        kNetscapeId = 1116,
        kExplorerId = 1117,
        kShowPasswordId = 1090,
        kDateFormatsId = 1150,
        kClearClipboardId = 1151,
        kLockIdleMinutesId = 1152,
        kLockWithScreenId = 1153,
        kEncryptNewFilesId = 1154,
    };

    // Shows values, lists today's date in every format and decides once
    // whether the minutes can be edited.
    CGeneralSettingsPref(wxWindow* parent, PreferenceValues& values);

    bool TransferDataFromWindow() override;

  private:
    void OnSpin(wxSpinEvent& event);
    void OnDateFormat(wxCommandEvent& event);

    PreferenceValues& values_;
    wxRadioButton* netscape_ = nullptr;
    wxRadioButton* explorer_ = nullptr;
    wxCheckBox* automaticSave_ = nullptr;
    wxTextCtrl* minutes_ = nullptr;
    wxSpinButton* spin_ = nullptr;
    wxCheckBox* showPassword_ = nullptr;
    wxSpinCtrl* clearClipboard_ = nullptr;
    wxSpinCtrl* lockIdleMinutes_ = nullptr;
    wxCheckBox* lockWithScreen_ = nullptr;
    wxChoice* encryptNewFiles_ = nullptr;
    wxListBox* dateFormats_ = nullptr;
};

}  // namespace quillox::prefs
