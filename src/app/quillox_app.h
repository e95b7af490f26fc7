#pragma once

#include <wx/app.h>
#include <wx/docview.h>
#include <memory>

namespace quillox {

class CMainFrame;
namespace web {
class DdeHost;
}  // namespace web

// The process: settings, the one document template, the main frame, the
// splash window and the user's start-up choices.
class QuilloxApp : public wxApp {
  public:
    QuilloxApp();
    ~QuilloxApp() override;
    bool OnInit() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;
    int FilterEvent(wxEvent& event) override;

    // What the user chose to happen at start-up, once the main window shows:
    // the first start's look for browsers, the programs to start, the most
    // recent file.
    void PerformStartUpChoices();
    // The last steps of start-up: the splash picture once more (when it has
    // gone already) and, if the user asked for it, the most recent file.
    void FinishStartUp();
    // Opens entry 1 of the recent-file list, if there is one.
    void OpenMostRecentFile();
    CMainFrame* MainFrame() const { return frame_; }
    // The browser conversation; nothing when it could not start.
    web::DdeHost* Dde() const { return dde_.get(); }
    // Tests start the program without the splash picture.
    void DisableSplash() { splashWanted_ = false; }

  private:
    // Help > About Quillox..., with or without a document.
    void OnAbout(wxCommandEvent& event);

    wxDocManager* manager_ = nullptr;
    CMainFrame* frame_ = nullptr;
    std::unique_ptr<web::DdeHost> dde_;
    bool splashWanted_ = true;
    bool embedded_ = false;
};

wxDECLARE_APP(QuilloxApp);

}  // namespace quillox
