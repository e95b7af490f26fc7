#include "app/real_input.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <algorithm>
#include <typeinfo>

#include "ui/gui_test_support.h"

void PressKey(wxWindow& window, int key, int modifiers, const std::function<bool()>& arrived,
              KeyFocus focus) {
    wxUIActionSimulator simulator;
    simulator.MouseMove(window.GetScreenRect().GetTopLeft() + wxPoint(4, 4));
    if (focus == KeyFocus::Give) {
        window.SetFocus();
    }
    ProcessPendingEvents();
    simulator.Char(key, modifiers);
    // The X server delivers the key some time later.
    WaitUntil(arrived);
    ProcessPendingEvents();
}

bool WaitUntil(const std::function<bool()>& done, long milliseconds) {
    const wxStopWatch watch;
    while (!done()) {
        if (watch.Time() > milliseconds) {
            return false;
        }
        wxMilliSleep(10);
        ProcessPendingEvents();
    }
    return true;
}

DialogRecorder::DialogRecorder(std::function<int(wxDialog*)> answer) : answer_(std::move(answer)) {
    Register();
}

DialogRecorder::~DialogRecorder() {
    Unregister();
}

std::string DialogRecorder::Describe(wxDialog* dialog) {
    if (auto* message = dynamic_cast<wxMessageDialog*>(dialog)) {
        return "message: " + message->GetMessage().utf8_string();
    }
    if (dynamic_cast<wxFileDialog*>(dialog) != nullptr) {
        return "file dialog";
    }
    return typeid(*dialog).name();
}

int DialogRecorder::Enter(wxDialog* dialog) {
    shown_.push_back(Describe(dialog));
    return answer_ ? answer_(dialog) : wxID_CANCEL;
}

CommandRecorder::CommandRecorder(std::vector<int> swallowed) : swallowed_(std::move(swallowed)) {
    wxEvtHandler::AddFilter(this);
}

CommandRecorder::~CommandRecorder() {
    wxEvtHandler::RemoveFilter(this);
}

int CommandRecorder::FilterEvent(wxEvent& event) {
    if (event.GetEventType() != wxEVT_MENU) {
        return Event_Skip;
    }
    commands_.push_back(event.GetId());
    return std::find(swallowed_.begin(), swallowed_.end(), event.GetId()) != swallowed_.end()
               ? Event_Processed
               : Event_Skip;
}
