#include "prefs/path_settings_page.h"

#include <wx/button.h>
#include <wx/filedlg.h>

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include "prefs/program_filter.h"
#include "ui/chosen_path_dialog.h"

namespace quillox::prefs {

namespace {

struct Program {
    const char* label;
    int radioId;
    int pathId;
};

const std::array<Program, 6> kPrograms = {{
    {"Navigator:", CPathSettingsRef::kNavigatorId, CPathSettingsRef::kNavigatorPathId},
    {"Mail App:", CPathSettingsRef::kMailAppId, CPathSettingsRef::kMailAppPathId},
    {"FTP App:", CPathSettingsRef::kFtpAppId, CPathSettingsRef::kFtpAppPathId},
    {"News Reader:", CPathSettingsRef::kNewsReaderId, CPathSettingsRef::kNewsReaderPathId},
    {"Acrobat Reader:", CPathSettingsRef::kAcrobatReaderId, CPathSettingsRef::kAcrobatReaderPathId},
    {"Telnet:", CPathSettingsRef::kTelnetId, CPathSettingsRef::kTelnetPathId},
}};

// In the order of ProgramFilter.
const char* const kFindPathFilter = "Executable Files (*.exe)|*.exe|All Files|*.*";

}  // namespace

CPathSettingsRef::CPathSettingsRef(wxWindow* parent, PreferenceValues& values)
    : wxPanel(parent), values_(values) {
    const int gap = FromDIP(5);
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, "Internet applications paths:");
    wxStaticBox* box = group->GetStaticBox();
    group->Add(new wxStaticText(box, wxID_ANY, "Choose path for:"), 0, wxALL, gap);

    // GTK keeps one button of a group checked; this one, never shown, holds
    // the check until the user picks a program.
    auto* noProgram = new wxRadioButton(box, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                        wxDefaultSize, wxRB_GROUP);
    noProgram->Hide();
    noProgram->SetValue(true);

    auto* grid = new wxFlexGridSizer(2, gap, gap);
    grid->AddGrowableCol(1);
    const std::array<wxString*, kProgramCount> fields = Fields();
    for (std::size_t i = 0; i < kProgramCount; ++i) {
        const Program& program = kPrograms[i];
        radios_[i] = new wxRadioButton(box, program.radioId, program.label);
        paths_[i] = new wxTextCtrl(box, program.pathId, *fields[i]);
        paths_[i]->SetName(wxString(program.label).BeforeLast(':') + " path");
        grid->Add(radios_[i], 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(paths_[i], 1, wxEXPAND);
    }
    group->Add(grid, 1, wxEXPAND | wxALL, gap);
    auto* findPath = new wxButton(box, kFindPathId, "Find Path...");
    group->Add(findPath, 0, wxALIGN_RIGHT | wxALL, gap);
    findPath->Bind(wxEVT_BUTTON, &CPathSettingsRef::OnFindPath, this);

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(group, 1, wxEXPAND | wxALL, gap);
    SetSizerAndFit(layout);
}

bool CPathSettingsRef::TransferDataFromWindow() {
    const std::array<wxString*, kProgramCount> fields = Fields();
    for (std::size_t i = 0; i < kProgramCount; ++i) {
        *fields[i] = paths_[i]->GetValue();
    }
    return true;
}

std::array<wxString*, CPathSettingsRef::kProgramCount> CPathSettingsRef::Fields() {
    return {&values_.netscapePath, &values_.mailProgPath, &values_.ftpPath,
            &values_.newsProgPath, &values_.helpProgPath, &values_.telnetPath};
}

void CPathSettingsRef::OnFindPath(wxCommandEvent&) {
    ChosenPathDialog dialog(this, "Find Internet Applications Paths", wxEmptyString, wxEmptyString,
                            kFindPathFilter, wxFD_OPEN);
    dialog.SetFilterIndex(static_cast<int>(StartingProgramFilter()));
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    for (std::size_t i = 0; i < kProgramCount; ++i) {
        if (radios_[i]->GetValue()) {
            paths_[i]->ChangeValue(dialog.ChosenPath());
        }
    }
}

}  // namespace quillox::prefs
