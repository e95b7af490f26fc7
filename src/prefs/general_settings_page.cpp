#include "prefs/general_settings_page.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <algorithm>

#include "prefs/settings.h"

namespace quillox::prefs {

namespace {

constexpr int kMinMinutes = 0;
constexpr int kMaxMinutes = 30;
constexpr int kMaxClearSeconds = 3600;
// A day: longer than anyone leaves a desk unlocked on purpose.
constexpr int kMaxLockMinutes = 1440;
// The entries of "Encrypt new files as:", in this order.
constexpr int kStrongEntry = 0;
constexpr int kCompatibleEntry = 1;

// What a spin control from 0 to its maximum shows of a stored value.
int Shown(long value, int maximum) {
    return static_cast<int>(std::clamp<long>(value, 0, maximum));
}

// The spin shows the number the text starts with; any other text counts as 0.
int SpinPosition(const wxString& minutes) {
    long value = 0;
    if (!minutes.ToLong(&value)) {
        return 0;
    }
    return static_cast<int>(std::clamp<long>(value, kMinMinutes, kMaxMinutes));
}

// A spin control for a count from 0 to maximum, named for screen readers.
wxSpinCtrl* CountSpin(wxWindow* parent, int id, int maximum, const wxString& name,
                      const wxString& tip) {
    auto* spin = new wxSpinCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                wxSP_ARROW_KEYS, 0, maximum);
    spin->SetName(name);
    spin->SetToolTip(tip);
    return spin;
}

// A row of the label, the control and its unit, if it has one.
wxSizer* LabelledRow(wxWindow* parent, const wxString& label, wxWindow* control,
                     const wxString& unit, int gap) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
    row->Add(control, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
    if (!unit.empty()) {
        row->Add(new wxStaticText(parent, wxID_ANY, unit), 0, wxALIGN_CENTER_VERTICAL);
    }
    return row;
}

}  // namespace

CGeneralSettingsPref::CGeneralSettingsPref(wxWindow* parent, PreferenceValues& values)
    : wxPanel(parent), values_(values) {
    const int gap = FromDIP(5);

    auto* browser = new wxStaticBoxSizer(wxVERTICAL, this, "Web Browser Preference");
    wxStaticBox* browserBox = browser->GetStaticBox();
    netscape_ = new wxRadioButton(browserBox, kNetscapeId, "Netscape Navigator", wxDefaultPosition,
                                  wxDefaultSize, wxRB_GROUP);
    explorer_ = new wxRadioButton(browserBox, kExplorerId, "Microsoft Internet Explorer");
    browser->Add(netscape_, 0, wxALL, gap);
    browser->Add(explorer_, 0, wxALL, gap);

    auto* global = new wxStaticBoxSizer(wxVERTICAL, this, "Global Settings");
    wxStaticBox* globalBox = global->GetStaticBox();
    automaticSave_ = new wxCheckBox(globalBox, kAutomaticSaveId, "Automatic Save Every:");
    minutes_ = new wxTextCtrl(globalBox, kMinutesId);
    minutes_->SetName("Automatic save minutes");
    spin_ = new wxSpinButton(globalBox, kMinutesSpinId, wxDefaultPosition, wxDefaultSize,
                             wxSP_VERTICAL | wxSP_ARROW_KEYS);
    spin_->SetName("Automatic save minutes spin");
    spin_->SetRange(kMinMinutes, kMaxMinutes);
    auto* period = new wxBoxSizer(wxHORIZONTAL);
    period->Add(automaticSave_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, gap);
    period->Add(minutes_, 0, wxALIGN_CENTER_VERTICAL);
    period->Add(spin_, 0, wxEXPAND | wxRIGHT, gap);
    period->Add(new wxStaticText(globalBox, wxID_ANY, "minutes"), 0, wxALIGN_CENTER_VERTICAL);
    showPassword_ = new wxCheckBox(globalBox, kShowPasswordId, "Show Password As Text");
    clearClipboard_ =
        CountSpin(globalBox, kClearClipboardId, kMaxClearSeconds, "Clear clipboard seconds",
                  "0 leaves copied passwords on the clipboard");
    wxSizer* clearing =
        LabelledRow(globalBox, "Clear Clipboard After:", clearClipboard_, "seconds", gap);
    lockIdleMinutes_ = CountSpin(globalBox, kLockIdleMinutesId, kMaxLockMinutes,
                                 "Lock after idle minutes", "0 never locks for want of input");
    wxSizer* idle = LabelledRow(globalBox, "Lock After Idle Minutes:", lockIdleMinutes_, "", gap);
    lockWithScreen_ = new wxCheckBox(globalBox, kLockWithScreenId, "Lock when the screen locks");
    encryptNewFiles_ = new wxChoice(globalBox, kEncryptNewFilesId);
    encryptNewFiles_->Append("Strong");
    encryptNewFiles_->Append("Compatible");
    encryptNewFiles_->SetName("Encrypt new files as");
    encryptNewFiles_->SetToolTip(
        "Compatible files open in older versions but hold at most 65,528 bytes of cards");
    wxSizer* newFiles = LabelledRow(globalBox, "Encrypt new files as:", encryptNewFiles_, "", gap);
    global->Add(period, 0, wxALL, gap);
    global->Add(showPassword_, 0, wxALL, gap);
    global->Add(clearing, 0, wxALL, gap);
    global->Add(idle, 0, wxALL, gap);
    global->Add(lockWithScreen_, 0, wxALL, gap);
    global->Add(newFiles, 0, wxALL, gap);

    auto* dates = new wxStaticBoxSizer(wxVERTICAL, this, "Select Date Format");
    dateFormats_ = new wxListBox(dates->GetStaticBox(), kDateFormatsId);
    dateFormats_->SetName("Date formats");
    for (const std::string& sample : DateFormatSamples(CurrentMacTime())) {
        dateFormats_->Append(wxString::FromUTF8(sample));
    }
    dates->Add(dateFormats_, 1, wxEXPAND | wxALL, gap);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(browser, 0, wxEXPAND | wxALL, gap);
    layout->Add(global, 0, wxEXPAND | wxALL, gap);
    layout->Add(dates, 1, wxEXPAND | wxALL, gap);
    SetSizerAndFit(layout);

    (values_.webBrowser == 0 ? netscape_ : explorer_)->SetValue(true);
    automaticSave_->SetValue(values_.automaticSaveCheck != 0);
    minutes_->ChangeValue(values_.automaticSaveMinutes);
    spin_->SetValue(SpinPosition(values_.automaticSaveMinutes));
    // Decided here only: ticking the box later takes effect when the sheet opens again.
    minutes_->Enable(automaticSave_->GetValue());
    spin_->Enable(automaticSave_->GetValue());
    showPassword_->SetValue(values_.showPasswordAlways != 0);
    clearClipboard_->SetValue(Shown(values_.clearClipboardSeconds, kMaxClearSeconds));
    lockIdleMinutes_->SetValue(Shown(values_.lockAfterIdleMinutes, kMaxLockMinutes));
    lockWithScreen_->SetValue(values_.lockWhenScreenLocks != 0);
    encryptNewFiles_->SetSelection(
        values_.encryptNewFilesAs == kEncryptNewFilesCompatible ? kCompatibleEntry : kStrongEntry);
    if (values_.dateFormat >= 0 && values_.dateFormat < kDateFormatCount) {
        dateFormats_->SetSelection(static_cast<int>(values_.dateFormat));
    }

    spin_->Bind(wxEVT_SPIN, &CGeneralSettingsPref::OnSpin, this);
    dateFormats_->Bind(wxEVT_LISTBOX, &CGeneralSettingsPref::OnDateFormat, this);
}

bool CGeneralSettingsPref::TransferDataFromWindow() {
    values_.webBrowser = netscape_->GetValue() ? 0 : 1;
    values_.automaticSaveCheck = automaticSave_->GetValue() ? 1 : 0;
    // Typed minutes are kept as they are; only the spin keeps to its range.
    values_.automaticSaveMinutes = minutes_->GetValue();
    values_.showPasswordAlways = showPassword_->GetValue() ? 1 : 0;
    // A stored value beyond the control's range stays unless changed here.
    if (clearClipboard_->GetValue() != Shown(values_.clearClipboardSeconds, kMaxClearSeconds)) {
        values_.clearClipboardSeconds = clearClipboard_->GetValue();
    }
    if (lockIdleMinutes_->GetValue() != Shown(values_.lockAfterIdleMinutes, kMaxLockMinutes)) {
        values_.lockAfterIdleMinutes = lockIdleMinutes_->GetValue();
    }
    values_.lockWhenScreenLocks = lockWithScreen_->GetValue() ? 1 : 0;
    // Any value but the compatible one reads as strong, and stays unless changed.
    if (encryptNewFiles_->GetSelection() == kCompatibleEntry) {
        values_.encryptNewFilesAs = kEncryptNewFilesCompatible;
    } else if (values_.encryptNewFilesAs == kEncryptNewFilesCompatible) {
        values_.encryptNewFilesAs = 0;
    }
    values_.dateFormat = dateFormats_->GetSelection();
    return true;
}

void CGeneralSettingsPref::OnSpin(wxSpinEvent& event) {
    minutes_->ChangeValue(wxString::Format("%d", event.GetPosition()));
}

void CGeneralSettingsPref::OnDateFormat(wxCommandEvent& event) {
    values_.dateFormat = event.GetSelection();
}

}  // namespace quillox::prefs
