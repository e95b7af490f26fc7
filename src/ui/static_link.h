#pragma once

#include <wx/hyperlink.h>

#include "ui/desktop.h"

namespace quillox {

// A link in a dialog, in the desktop's own link look: its link colours, the
// visited colour, the hand cursor, announced as a link. A click hands the
// target to the desktop; the link turns visited when the desktop took it and
// beeps, staying unvisited, when it could not.
class CStaticLink : public wxHyperlinkCtrl {
  public:
    // An empty target makes the link open its own text.
    CStaticLink(wxWindow* parent, wxWindowID id, const wxString& text,
                const wxString& target = wxString());

    const wxString& GetTarget() const { return target_; }
    // Where clicks go: the system's desktop unless set otherwise.
    void UseDesktop(Desktop& desktop) { desktop_ = &desktop; }

  private:
    void OnClicked(wxHyperlinkEvent& event);

    wxString target_;
    Desktop* desktop_;
    // Whether the desktop has opened the target once.
    bool followed_ = false;
};

}  // namespace quillox
