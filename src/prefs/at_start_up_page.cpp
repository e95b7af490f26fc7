#include "prefs/at_start_up_page.h"

#include <wx/sizer.h>
#include <wx/statbox.h>

namespace quillox::prefs {

CAtStartUpPref::CAtStartUpPref(wxWindow* parent, PreferenceValues& values)
    : wxPanel(parent), values_(values) {
    const int gap = FromDIP(5);

    auto* startup = new wxStaticBoxSizer(wxVERTICAL, this, "At Startup");
    openRecentFile_ =
        new wxCheckBox(startup->GetStaticBox(), kOpenRecentFileId, "Open most recent file");
    startup->Add(openRecentFile_, 0, wxALL, gap);

    auto* helpers = new wxStaticBoxSizer(wxVERTICAL, this, "Helper Applications ");
    wxStaticBox* box = helpers->GetStaticBox();
    launchWebBrowser_ = new wxCheckBox(box, kLaunchWebBrowserId, "Launch Web Browser");
    launchFtp_ = new wxCheckBox(box, kLaunchFtpId, "Launch FTP Client");
    launchEmail_ = new wxCheckBox(box, kLaunchEmailId, "Launch E-Mail Application ");
    launchTelnet_ = new wxCheckBox(box, kLaunchTelnetId, "Launch Telnet Application ");
    launchNewsReader_ = new wxCheckBox(box, kLaunchNewsReaderId, "Launch Newsreader");
    for (wxCheckBox* launch :
         {launchWebBrowser_, launchFtp_, launchEmail_, launchTelnet_, launchNewsReader_}) {
        helpers->Add(launch, 0, wxALL, gap);
    }

    auto* layout = new wxBoxSizer(wxVERTICAL);
    layout->Add(startup, 0, wxEXPAND | wxALL, gap);
    layout->Add(helpers, 0, wxEXPAND | wxALL, gap);
    SetSizerAndFit(layout);

    openRecentFile_->SetValue(values_.checkOpenFiles != 0);
    launchWebBrowser_->SetValue(values_.launchWebBrowser != 0);
    launchFtp_->SetValue(values_.launchFtp != 0);
    launchEmail_->SetValue(values_.launchEmail != 0);
    launchTelnet_->SetValue(values_.launchTelnet != 0);
    launchNewsReader_->SetValue(values_.launchNewsReader != 0);
}

bool CAtStartUpPref::TransferDataFromWindow() {
    values_.checkOpenFiles = openRecentFile_->GetValue() ? 1 : 0;
    values_.launchWebBrowser = launchWebBrowser_->GetValue() ? 1 : 0;
    values_.launchFtp = launchFtp_->GetValue() ? 1 : 0;
    values_.launchEmail = launchEmail_->GetValue() ? 1 : 0;
    values_.launchTelnet = launchTelnet_->GetValue() ? 1 : 0;
    values_.launchNewsReader = launchNewsReader_->GetValue() ? 1 : 0;
    return true;
}

}  // namespace quillox::prefs
