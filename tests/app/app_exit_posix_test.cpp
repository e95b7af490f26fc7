// Closing the program while it waits for the browser: the close waits for
// the request to end and is then carried out. These tests end the program,
// so they have a test program of their own.
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "app/stand_ins_posix.h"
#include "cards/card_dialog.h"
#include "ui/command_ids.h"
#include "web/dde_host.h"
#include "web/socket_dde_transport.h"

using namespace quillox;

namespace {

class ExitTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        dynamic_cast<web::SocketDdeTransport&>(*wxGetApp().Dde()->Transport())
            .SetWaitLimit(std::chrono::seconds(2));
    }
    void TearDown() override {
        // The program has ended: only the test's files are left to remove.
        if (GetMainFrame() == nullptr) {
            std::filesystem::remove_all(folder_);
            return;
        }
        dynamic_cast<web::SocketDdeTransport&>(*wxGetApp().Dde()->Transport())
            .SetWaitLimit(web::SocketDdeTransport::kWaitLimit);
        AppTest::TearDown();
    }
};

TEST_F(ExitTest, ExitWhileGetWebPageWaitsForTheBrowserClosesOnceTheRequestEnds) {
    SilentBrowser browser(true);
    ASSERT_NE(OpenDocument(WriteFile("cards.qxf", {{0, "site"}})), nullptr);
    CMainFrame* frame = Frame();
    // Only the program may touch the frame once it may be gone.
    const wxWeakRef<CMainFrame> alive(frame);

    // While the request waits, File > Exit and then the window's close button.
    bool asked = false;
    bool waiting = false;
    bool closedWhileWaiting = false;
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (asked || !browser.RequestArrived()) {
            return;
        }
        asked = true;
        waiting = frame->IsWaitingForBrowser();
        SendCommand(wxID_EXIT);
        if (alive) {
            alive->Close();
        }
        ProcessPendingEvents();
        closedWhileWaiting = !alive || alive->IsBeingDeleted() || ActiveDoc() == nullptr;
    });
    timer.Start(50);

    const wxLongLong start = wxGetLocalTimeMillis();
    frame->SetFocus();
    {
        // No card dialog: the user asked to leave.
        GTestModalHook noDialog(__FILE__, __LINE__, __func__);
        wxUIActionSimulator keys;
        keys.Char('w', wxMOD_ALT);
        EXPECT_TRUE(WaitFor([] { return GetMainFrame() == nullptr; }, 10000));
    }
    timer.Stop();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(waiting);
    EXPECT_FALSE(closedWhileWaiting);
    // The request ran to its time limit before the program closed.
    EXPECT_GE((wxGetLocalTimeMillis() - start).ToLong(), 1900);
}

}  // namespace
