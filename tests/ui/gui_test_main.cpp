// A GoogleTest main that brings up wxWidgets for tests of windows and dialogs.
// Each test program says which application object it runs under.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/time.h>
#include <wx/utils.h>

#include "ui/gui_test_support.h"

void ProcessPendingEvents() {
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    for (int round = 0; round < 5; ++round) {
        wxTheApp->ProcessPendingEvents();
        while (loop != nullptr && loop->Pending()) {
            loop->Dispatch();
        }
        wxTheApp->ProcessIdle();
    }
}

bool WaitFor(const std::function<bool()>& done, int ms) {
    const wxLongLong end = wxGetLocalTimeMillis() + ms;
    for (;;) {
        ProcessPendingEvents();
        if (done()) {
            return true;
        }
        if (wxGetLocalTimeMillis() > end) {
            return false;
        }
        wxMilliSleep(10);
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    wxApp::SetInstance(CreateTestApp());
    if (!wxEntryStart(argc, argv)) {
        return 1;
    }
    // A failed wxWidgets check fails the test instead of waiting on a dialog.
    wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                          const wxString& message) {
        ADD_FAILURE_AT(file.utf8_str().data(), line)
            << "wxWidgets check failed: " << cond.utf8_string() << " " << message.utf8_string();
    });
    int result = 1;
    {
        // Windows need a running loop to receive their events between test steps.
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        if (wxTheApp->CallOnInit()) {
            result = RUN_ALL_TESTS();
            wxTheApp->OnExit();
        }
    }
    wxEntryCleanup();
    return result;
}
