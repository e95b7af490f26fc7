#include "app/browser_wait.h"
#include "ui/command_ids.h"

#include <wx/toplevel.h>
#include <algorithm>

namespace quillox {

BrowserWait::BrowserWait(wxTopLevelWindow& frame) : frame_(frame) {}

BrowserWait::~BrowserWait() = default;

void BrowserWait::OnWaitStarted() {
    waiting_ = true;
    disabler_ = std::make_unique<wxWindowDisabler>();
}

void BrowserWait::OnWaitEnded() {
    waiting_ = false;
    disabler_.reset();
    if (!commands_.empty() || !closes_.empty()) {
        // After the command that waited has returned, not inside it.
        frame_.CallAfter([this] { CarryOutDeferred(); });
    }
}

bool BrowserWait::DeferCommand(const wxEvent& event, wxEvtHandler& target) {
    if (!waiting_ || event.GetEventType() != wxEVT_MENU) {
        return false;
    }
    const int id = event.GetId();
    if (id != wxID_EXIT && id != wxID_CLOSE && id != cmd::kCloseFile && id != wxID_CLOSE_ALL) {
        return false;
    }
    commands_.push_back(
        {wxWeakRef<wxEvtHandler>(&target), std::unique_ptr<wxEvent>(event.Clone())});
    return true;
}

bool BrowserWait::DeferClose(wxCloseEvent& event, wxTopLevelWindow& window) {
    if (!waiting_) {
        return false;
    }
    if (event.CanVeto()) {
        event.Veto();
    }
    const auto same = [&window](const wxWeakRef<wxTopLevelWindow>& kept) {
        return kept.get() == &window;
    };
    if (std::none_of(closes_.begin(), closes_.end(), same)) {
        closes_.emplace_back(&window);
    }
    return true;
}

void BrowserWait::CarryOutDeferred() {
    if (waiting_) {
        // Another request began meanwhile; its end carries these out.
        return;
    }
    std::vector<Deferred> commands;
    commands.swap(commands_);
    std::vector<wxWeakRef<wxTopLevelWindow>> closes;
    closes.swap(closes_);
    for (Deferred& command : commands) {
        if (command.target) {
            command.target->ProcessEvent(*command.event);
        }
    }
    // The frame last: its close takes the document windows with it.
    for (wxWeakRef<wxTopLevelWindow>& window : closes) {
        if (window && window.get() != &frame_) {
            window->Close();
        }
    }
    for (wxWeakRef<wxTopLevelWindow>& window : closes) {
        if (window && window.get() == &frame_) {
            frame_.Close();
        }
    }
}

}  // namespace quillox
