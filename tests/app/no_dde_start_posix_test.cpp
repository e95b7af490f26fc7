// Starting where the browser conversation cannot be had: the program says so
// once and runs on without it. The start itself is under test, so this test
// program starts the application its own way.
#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <filesystem>
#include <fstream>

#include "app/main_frame.h"
#include "app/quillox_app.h"
#include "app/test_environment.h"
#include "ui/command_ids.h"
#include "ui/gui_test_support.h"
#include "web/dde_host.h"

using namespace quillox;
namespace fs = std::filesystem;

namespace {

// Answers every dialog of the start, keeping what message boxes said.
class StartDialogs : public wxModalDialogHook {
  public:
    int Enter(wxDialog* dialog) override {
        if (auto* message = dynamic_cast<wxMessageDialog*>(dialog)) {
            messages.push_back(message->GetMessage().utf8_string());
            return wxID_OK;
        }
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}

    std::vector<std::string> messages;
};

StartDialogs& Dialogs() {
    static StartDialogs dialogs;
    return dialogs;
}

TEST(NoDdeStart, AnUnusableServiceFolderIsToldOnceAndTheProgramRunsWithoutABrowser) {
    const std::vector<std::string>& messages = Dialogs().messages;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("DDE initialisation failed.", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find("is not a folder"), std::string::npos) << messages[0];

    CMainFrame* frame = GetMainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    ASSERT_NE(wxGetApp().Dde(), nullptr);
    EXPECT_EQ(wxGetApp().Dde()->Transport(), nullptr);

    // Get Web Page asks no one and drops the page, with no further message.
    wxCommandEvent event(wxEVT_MENU, cmd::kGetWebPageMenu);
    frame->ProcessWindowEvent(event);
    ProcessPendingEvents();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(frame->IsWaitingForBrowser());
}

}  // namespace

wxApp* CreateTestApp() {
    const fs::path runtime = PrepareTestEnvironment("quillox-no-dde-tests-");
    // Where the service folder belongs stands a file.
    std::ofstream(runtime / "quillox") << "not a folder";
    Dialogs().Register();
    auto* app = new QuilloxApp;
    app->DisableSplash();
    return app;
}
