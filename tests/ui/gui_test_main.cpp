// A GoogleTest main that brings up wxWidgets for tests of windows and dialogs.
// Each test program says which application object it runs under.
#include <gtest/gtest.h>

#include <unistd.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/dirdlg.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/time.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/own_settings.h"
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

namespace {

namespace fs = std::filesystem;

std::string Describe(wxDialog* dialog) {
    std::string text = wxString(dialog->GetClassInfo()->GetClassName()).utf8_string() + " \"" +
                       dialog->GetTitle().utf8_string() + "\"";
    if (const auto* message = dynamic_cast<const wxMessageDialogBase*>(dialog)) {
        text += ": " + message->GetMessage().utf8_string();
    }
    return text;
}

// The last resort against a modal dialog that no test answers, which would
// wait for a click that never comes. A message box or a file or folder chooser
// (which the toolkit may run itself, out of the program's reach) fails the
// test and is cancelled at once; any other dialog may be driven by its test
// while shown, so it fails the test and is cancelled only when it is still
// open after kLimitMs. Registered first, it is asked last: the hooks of
// wxTEST_DIALOG and of the tests answer before it.
class UnansweredDialogs : public wxModalDialogHook {
  public:
    static constexpr long kLimitMs = 30000;

    // Before the toolkit goes, which its timer needs.
    void Release() {
        Unregister();
        ticker_.reset();
    }

  protected:
    int Enter(wxDialog* dialog) override {
        if (dynamic_cast<wxMessageDialogBase*>(dialog) != nullptr ||
            dynamic_cast<wxFileDialogBase*>(dialog) != nullptr ||
            dynamic_cast<wxDirDialogBase*>(dialog) != nullptr) {
            ADD_FAILURE() << "A dialog showed that no test answers: " << Describe(dialog);
            return wxID_CANCEL;
        }
        shown_.push_back({dialog, wxGetLocalTimeMillis() + kLimitMs});
        if (!ticker_) {
            ticker_ = std::make_unique<Ticker>(*this);
        }
        ticker_->Start(250);
        return wxID_NONE;
    }

    void Exit(wxDialog* dialog) override {
        shown_.erase(
            std::remove_if(shown_.begin(), shown_.end(),
                           [dialog](const Shown& shown) { return shown.dialog == dialog; }),
            shown_.end());
        if (shown_.empty() && ticker_) {
            ticker_->Stop();
        }
    }

  private:
    struct Shown {
        wxDialog* dialog;
        wxLongLong deadline;
    };

    class Ticker : public wxTimer {
      public:
        explicit Ticker(UnansweredDialogs& owner) : owner_(owner) {}
        void Notify() override { owner_.CloseOverdue(); }

      private:
        UnansweredDialogs& owner_;
    };

    // Only the innermost dialog can end: the ones below wait for it.
    void CloseOverdue() {
        if (shown_.empty() || wxGetLocalTimeMillis() < shown_.back().deadline) {
            return;
        }
        Shown& overdue = shown_.back();
        overdue.deadline = wxGetLocalTimeMillis() + kLimitMs;
        ADD_FAILURE() << "A dialog was still open after " << kLimitMs / 1000
                      << " seconds and was cancelled: " << Describe(overdue.dialog);
        if (overdue.dialog->IsModal()) {
            overdue.dialog->EndModal(wxID_CANCEL);
        }
    }

    std::vector<Shown> shown_;
    std::unique_ptr<Ticker> ticker_;
};

// Settings of the test program's own, unless it makes its own: no window
// test reads or writes the user's.
bool UseProgramsOwnSettings() {
    static const fs::path root =
        fs::temp_directory_path() / ("quillox-gui-tests-" + std::to_string(::getpid()));
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    });
    return quillox::testing::UseOwnSettings(root);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (!UseProgramsOwnSettings()) {
        std::fprintf(stderr, "The tests' own settings could not be set up.\n");
        return 1;
    }
    UnansweredDialogs unanswered;
    unanswered.Register();
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
    unanswered.Release();
    wxEntryCleanup();
    return result;
}
