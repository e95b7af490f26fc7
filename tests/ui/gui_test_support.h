#pragma once

// Answers the program's modal dialogs in tests and reports what goes wrong
// through GoogleTest instead of wx assertions.
#include <gtest/gtest.h>

#include <wx/msgdlg.h>
#include <wx/string.h>
#include <wx/window.h>
#include <functional>
#include <stdexcept>
#include <string>

#include <wx/modalhook.h>

class GTestModalHook;
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook
#include <wx/testing.h>

class GTestModalHook : public wxTestingModalHook {
  public:
    using wxTestingModalHook::wxTestingModalHook;

  protected:
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.utf8_string(); }
};

// Expects a dialog of type T and lets the test fill or inspect it; the
// function's result is what ShowModal returns.
template <class T>
class ExpectDialog : public wxExpectModalBase<T> {
  public:
    explicit ExpectDialog(std::function<int(T*)> answer) : answer_(std::move(answer)) {}

  protected:
    int OnInvoked(T* dialog) const override { return answer_(dialog); }

  private:
    std::function<int(T*)> answer_;
};

// Expects a message box with exactly this text, answered with id.
inline ExpectDialog<wxMessageDialog> ExpectMessage(const wxString& text, int id = wxID_OK) {
    return ExpectDialog<wxMessageDialog>([text, id](wxMessageDialog* dialog) {
        EXPECT_EQ(dialog->GetMessage().utf8_string(), text.utf8_string());
        return id;
    });
}

// Expects a box titled "Error" with exactly this text.
inline ExpectDialog<wxMessageDialog> ExpectError(const wxString& text) {
    return ExpectDialog<wxMessageDialog>([text](wxMessageDialog* dialog) {
        EXPECT_EQ(dialog->GetCaption(), "Error");
        EXPECT_EQ(dialog->GetMessage().utf8_string(), text.utf8_string());
        return wxID_OK;
    });
}

// Runs the event loop until idle, so that pending events are handled.
void ProcessPendingEvents();

// Handles events until done says so or ms milliseconds pass: input from the
// simulator and from other processes arrives later, not at once.
bool WaitFor(const std::function<bool()>& done, int ms = 10000);

class wxApp;
// Defined by each test program: the application object its tests run under.
wxApp* CreateTestApp();

// The control with this id in a dialog, of the expected type.
template <class T>
T& Control(wxWindow& dialog, int id) {
    T* control = dynamic_cast<T*>(dialog.FindWindow(id));
    if (control == nullptr) {
        throw std::runtime_error("no control " + std::to_string(id));
    }
    return *control;
}
