#include "prefs/print_xml_page.h"

#include <wx/sizer.h>
#include <wx/statbox.h>

namespace quillox::prefs {

CPrintXMLSupportRef::CPrintXMLSupportRef(wxWindow* parent, PreferenceValues& values)
    : wxPanel(parent), values_(values) {
    const int gap = FromDIP(5);
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Print/XML Export Preferences");
    printAtm_ = new wxCheckBox(group->GetStaticBox(), kPrintAtmId, "Print ATM / PIN codes");
    printNotes_ = new wxCheckBox(group->GetStaticBox(), kPrintNotesId, "Print notes");
    group->Add(printAtm_, 0, wxALL, gap);
    group->Add(printNotes_, 0, wxALL, gap);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(group, 0, wxEXPAND | wxALL, gap);
    SetSizerAndFit(layout);

    printAtm_->SetValue(values_.printAtm != 0);
    printNotes_->SetValue(values_.printNotes != 0);
}

bool CPrintXMLSupportRef::TransferDataFromWindow() {
    values_.printAtm = printAtm_->GetValue() ? 1 : 0;
    values_.printNotes = printNotes_->GetValue() ? 1 : 0;
    return true;
}

}  // namespace quillox::prefs
