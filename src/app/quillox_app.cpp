#include "app/quillox_app.h"

#include <wx/cmdline.h>
#include <wx/filehistory.h>
#include <wx/msgdlg.h>

#include "app/about_dialog.h"
#include "app/document_template.h"
#include "app/main_frame.h"
#include "app/splash_window.h"
#include "cards/clipboard_text.h"
#include "document/doc_manager.h"
#include "prefs/recent_files.h"
#include "prefs/settings.h"
#include "web/dde_host.h"

namespace quillox {

wxIMPLEMENT_APP_NO_MAIN(QuilloxApp);

QuilloxApp::QuilloxApp() = default;
QuilloxApp::~QuilloxApp() = default;

void QuilloxApp::OnInitCmdLine(wxCmdLineParser& parser) {
    wxApp::OnInitCmdLine(parser);
    parser.AddSwitch("", "embedding", "started by another program: do nothing");
    parser.AddSwitch("", "automation", "started for automation: do nothing");
    // A file named on the command line is accepted but not opened.
    parser.AddParam("file", wxCMD_LINE_VAL_STRING,
                    wxCMD_LINE_PARAM_OPTIONAL | wxCMD_LINE_PARAM_MULTIPLE);
}

bool QuilloxApp::OnCmdLineParsed(wxCmdLineParser& parser) {
    embedded_ = parser.Found("embedding") || parser.Found("automation");
    return wxApp::OnCmdLineParsed(parser);
}

namespace {

// The keyboard and mouse events that show the user is at the program.
bool IsUserInput(wxEventType type) {
    return type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN ||
           type == wxEVT_MIDDLE_DOWN || type == wxEVT_MOTION || type == wxEVT_MOUSEWHEEL;
}

}  // namespace

bool QuilloxApp::OnInit() {
    if (!wxApp::OnInit() || embedded_) {
        return false;
    }
    splash::SetEnabled(splashWanted_);
    std::string ddeError;
    dde_ = web::DdeHost::Start(ddeError);
    // Without the conversation the program runs on; no browser answers it.
    if (!ddeError.empty()) {
        wxMessageBox("DDE initialisation failed. Quillox runs without talking to the browser.\n\n" +
                         wxString::FromUTF8(ddeError),
                     "Quillox", wxOK | wxICON_WARNING);
    }
    SetVendorName("QMT");
    SetAppName("Quillox");
    prefs::InstallSettingsStore();
    Bind(wxEVT_MENU, &QuilloxApp::OnAbout, this, wxID_ABOUT);

    manager_ = new QuilloxDocManager;
    manager_->GetFileHistory();
    if (wxFileHistory* history = manager_->GetFileHistory()) {
        prefs::LoadRecentFiles(*history);
    }

    frame_ = new CMainFrame(manager_, "Quillox");
    frame_->ConnectBrowser(dde_->Instance());
    // The template, owned by the manager, hands the frame to every document.
    new QuilloxDocTemplate(manager_, *frame_);
    SetTopWindow(frame_);
    splash::Show(frame_);
    frame_->Show();
    frame_->Update();
    frame_->LoadHelperPathCache();
    frame_->StartAutoLock();
    PerformStartUpChoices();
    return true;
}

void QuilloxApp::PerformStartUpChoices() {
    if (prefs::Read(prefs::kFirstStartDone) != 1) {
        prefs::Write(prefs::kFirstStartDone, 1);
        frame_->RecordInstalledBrowsers();
    }
    frame_->PerformStartUpLaunches();
    FinishStartUp();
}

void QuilloxApp::FinishStartUp() {
    splash::Show(frame_);
    if (prefs::Read(prefs::kCheckOpenFiles) == 1) {
        OpenMostRecentFile();
    }
}

void QuilloxApp::OpenMostRecentFile() {
    wxFileHistory* history = manager_->GetFileHistory();
    if (history != nullptr && history->GetCount() > 0) {
        manager_->CreateDocument(history->GetHistoryFile(0), wxDOC_SILENT);
    }
}

void QuilloxApp::OnAbout(wxCommandEvent&) {
    CAboutDlg dialog(frame_);
    dialog.ShowModal();
}

int QuilloxApp::FilterEvent(wxEvent& event) {
    // The frame, while it is there: input may come as it goes.
    const wxEventType type = event.GetEventType();
    const bool menu = type == wxEVT_MENU_OPEN || type == wxEVT_MENU_CLOSE;
    if (IsUserInput(type) || menu) {
        if (auto* frame = dynamic_cast<CMainFrame*>(GetTopWindow())) {
            menu ? frame->MenuShown(type == wxEVT_MENU_OPEN) : frame->UserInput();
        }
    }
    return splash::TakesEvent(event) ? static_cast<int>(Event_Processed)
                                     : static_cast<int>(Event_Skip);
}

int QuilloxApp::OnExit() {
    // A password copied a moment ago must not outlive the program there.
    TakeBackClipboardText();
    if (manager_ != nullptr) {
        if (wxFileHistory* history = manager_->GetFileHistory()) {
            prefs::SaveRecentFiles(*history);
        }
        delete manager_;
        manager_ = nullptr;
    }
    if (wxConfigBase* config = wxConfigBase::Get(false)) {
        config->Flush();
    }
    // The conversations and sockets end while wxWidgets still runs; a frame
    // that outlives this no longer reaches them.
    if (CMainFrame* frame = GetMainFrame()) {
        frame->DisconnectBrowser();
    }
    dde_.reset();
    return wxApp::OnExit();
}

}  // namespace quillox
