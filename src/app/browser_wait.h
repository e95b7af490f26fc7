#pragma once

#include <wx/event.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/weakref.h>
#include <memory>
#include <vector>

#include "web/dde_instance.h"

namespace quillox {

// Keeps the windows whole while a request waits for the browser: the events
// that keep arriving during the wait must not close what the request returns
// to. User input is blocked as in a modal wait, and a close of the frame or
// of a document asked for meanwhile is carried out once the wait is over.
class BrowserWait : public web::DdeWaitObserver {
  public:
    explicit BrowserWait(wxTopLevelWindow& frame);
    ~BrowserWait() override;
    BrowserWait(const BrowserWait&) = delete;
    BrowserWait& operator=(const BrowserWait&) = delete;

    void OnWaitStarted() override;
    void OnWaitEnded() override;
    bool IsWaiting() const { return waiting_; }
    // Whether a close waits to be carried out.
    bool HasDeferred() const { return !commands_.empty() || !closes_.empty(); }

    // While a request waits: keeps Exit, Close and Close All (sent to
    // target) for later and says true. Otherwise false, the event untouched.
    bool DeferCommand(const wxEvent& event, wxEvtHandler& target);
    // While a request waits: vetoes a close of the frame, or of a document
    // window, to carry it out later, and says true.
    bool DeferClose(wxCloseEvent& event, wxTopLevelWindow& window);

  private:
    void CarryOutDeferred();

    wxTopLevelWindow& frame_;
    bool waiting_ = false;
    std::unique_ptr<wxWindowDisabler> disabler_;
    struct Deferred {
        wxWeakRef<wxEvtHandler> target;
        std::unique_ptr<wxEvent> event;
    };
    std::vector<Deferred> commands_;
    std::vector<wxWeakRef<wxTopLevelWindow>> closes_;
};

}  // namespace quillox
