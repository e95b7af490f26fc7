#pragma once

// Clicking links as the user does, with a desktop that only records what it
// was asked.
#include <wx/settings.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <functional>
#include <vector>

#include "ui/desktop.h"
#include "ui/gui_test_support.h"

class StandInDesktop : public quillox::Desktop {
  public:
    explicit StandInDesktop(bool opens) : opens_(opens) {}
    bool Open(const wxString& address) override {
        opened.push_back(address);
        return opens_;
    }
    void Beep() override { ++beeps; }

    std::vector<wxString> opened;
    int beeps = 0;

  private:
    bool opens_;
};

// A mouse click in the middle of window, once it is on the screen; false when
// the desktop was asked nothing. Each click waits out the double-click time
// first: Windows' native link ignores the second click of a double click.
inline bool ClickAndWait(wxWindow& window, const StandInDesktop& desktop) {
    if (!WaitFor([&window] { return window.IsShownOnScreen(); })) {
        return false;
    }
    const int doubleClickMs = wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC);
    wxMilliSleep(static_cast<unsigned long>(doubleClickMs > 0 ? doubleClickMs + 50 : 550));
    const std::size_t asked = desktop.opened.size();
    const wxRect area = window.GetScreenRect();
    wxUIActionSimulator mouse;
    mouse.MouseMove(area.GetLeft() + area.GetWidth() / 2, area.GetTop() + area.GetHeight() / 2);
    ProcessPendingEvents();
    mouse.MouseClick();
    return WaitFor([&] { return desktop.opened.size() > asked; });
}
