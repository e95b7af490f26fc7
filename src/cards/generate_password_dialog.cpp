#include "cards/generate_password_dialog.h"

#include <exception>

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/valtext.h>

#include "cards/clipboard_text.h"
#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox {

namespace {
constexpr int kMinLength = 1;
constexpr int kMaxShownLength = 64;
constexpr int kStartLength = 10;
}  // namespace

CGeneratePasswordDlg::CGeneratePasswordDlg(wxWindow* parent, bool useEnabled)
    : wxDialog(parent, wxID_ANY, "Generate Password") {
    const int gap = FromDIP(10);
    const int small = FromDIP(5);

    auto* parameters = new wxStaticBoxSizer(wxVERTICAL, this, "Parameters");
    wxStaticBox* box = parameters->GetStaticBox();
    auto* lengthRow = new wxBoxSizer(wxHORIZONTAL);
    lengthRow->Add(new wxStaticText(box, wxID_ANY, "Length"), 0, wxALIGN_CENTER_VERTICAL);
    length_ =
        new wxTextCtrl(box, kLengthId, wxString::Format("%d", kStartLength), wxDefaultPosition,
                       FromDIP(wxSize(50, -1)), 0, wxTextValidator(wxFILTER_DIGITS));
    length_->SetName("Length");
    lengthSpin_ = new wxSpinButton(box, kLengthSpinId, wxDefaultPosition, wxDefaultSize,
                                   wxSP_VERTICAL | wxSP_ARROW_KEYS | wxSP_WRAP);
    lengthSpin_->SetRange(kMinLength, kMaxShownLength);
    lengthSpin_->SetValue(kStartLength);
    lengthSpin_->Bind(wxEVT_SPIN, [this](wxSpinEvent& event) {
        length_->ChangeValue(wxString::Format("%d", event.GetPosition()));
    });
    lengthRow->Add(length_, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, small);
    lengthRow->Add(lengthSpin_, 0, wxALIGN_CENTER_VERTICAL);
    parameters->Add(lengthRow, 0, wxALL, small);

    auto* classRow = new wxBoxSizer(wxHORIZONTAL);
    classRow->Add(new wxStaticText(box, wxID_ANY, "Use:"), 0, wxALIGN_CENTER_VERTICAL);
    upper_ = AddClass(box, *classRow, kUppercaseId, "Uppercase", true);
    lower_ = AddClass(box, *classRow, kLowercaseId, "Lowercase", true);
    numbers_ = AddClass(box, *classRow, kNumbersId, "Numbers", true);
    others_ = AddClass(box, *classRow, kOthersId, "Others", false);
    parameters->Add(classRow, 0, wxALL, small);

    auto* passwordLabel = new wxStaticText(this, wxID_ANY, "Password");
    password_ = new wxTextCtrl(this, kPasswordId, wxEmptyString, wxDefaultPosition,
                               FromDIP(wxSize(360, -1)), wxTE_READONLY);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* newButton = new wxButton(this, kNewId, "New");
    auto* toClipboard = new wxButton(this, kToClipboardId, "To Clipboard");
    auto* use = new wxButton(this, wxID_OK, "Use");
    use->SetDefault();
    use->Enable(useEnabled);
    buttons->Add(newButton);
    buttons->Add(toClipboard, 0, wxLEFT, small);
    buttons->AddStretchSpacer();
    buttons->Add(use);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxLEFT, small);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(parameters, 0, wxEXPAND | wxALL, gap);
    layout->Add(passwordLabel, 0, wxLEFT | wxRIGHT, gap);
    layout->Add(password_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, gap / 2);
    layout->Add(buttons, 0, wxEXPAND | wxALL, gap);
    SetSizerAndFit(layout);
    CentreOnParent();

    newButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Generate(); });
    toClipboard->Bind(wxEVT_BUTTON, &CGeneratePasswordDlg::OnToClipboard, this);
    Generate();
}

CGeneratePasswordDlg::~CGeneratePasswordDlg() {
    SecureWipe(current_);
}

std::string CGeneratePasswordDlg::Password() const {
    return current_;
}

wxCheckBox* CGeneratePasswordDlg::AddClass(wxWindow* parent, wxSizer& row, int id,
                                           const char* label, bool ticked) {
    auto* box = new wxCheckBox(parent, id, label);
    box->SetValue(ticked);
    box->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { Generate(); });
    row.Add(box, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, FromDIP(10));
    return box;
}

PasswordClasses CGeneratePasswordDlg::Classes() const {
    return PasswordClasses{upper_->GetValue(), lower_->GetValue(), numbers_->GetValue(),
                           others_->GetValue()};
}

void CGeneratePasswordDlg::Generate() {
    unsigned long length = 0;
    if (length_->GetValue().ToULong(&length)) {
        lastLength_ = length;
    } else {
        wxMessageBox("Please enter an integer.", "Quillox", wxOK | wxICON_EXCLAMATION, this);
    }
    SecureWipe(current_);
    try {
        current_ = GeneratePassword(Classes(), lastLength_);
    } catch (const std::exception& failure) {
        wxMessageBox(wxString::FromUTF8(failure.what()), "Quillox", wxOK | wxICON_EXCLAMATION,
                     this);
    }
    std::string utf8 = Cp1252ToUtf8(current_);
    password_->ChangeValue(wxString::FromUTF8(utf8));
    SecureWipe(utf8);
}

void CGeneratePasswordDlg::OnToClipboard(wxCommandEvent&) {
    const ClipboardResult result = PutTextOnClipboard(current_);
    if (result != ClipboardResult::Placed) {
        wxMessageBox(result == ClipboardResult::NotOpened ? "Cannot open the Clipboard."
                                                          : "Unable to set Clipboard data.",
                     "Quillox", wxOK | wxICON_EXCLAMATION, this);
    }
}

}  // namespace quillox
