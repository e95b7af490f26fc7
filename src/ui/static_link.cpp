#include "ui/static_link.h"

namespace quillox {

CStaticLink::CStaticLink(wxWindow* parent, wxWindowID id, const wxString& text,
                         const wxString& target)
    : wxHyperlinkCtrl(parent, id, text, target.empty() ? text : target),
      target_(target),
      desktop_(&SystemDesktop()) {
    // Handled here, so the toolkit does not open the address on its own.
    Bind(wxEVT_HYPERLINK, &CStaticLink::OnClicked, this);
}

void CStaticLink::OnClicked(wxHyperlinkEvent&) {
    const wxString target = target_.empty() ? GetLabel() : target_;
    if (target.empty()) {
        return;
    }
    if (desktop_->Open(AddressForDesktop(target))) {
        followed_ = true;
    } else {
        desktop_->Beep();
    }
    // Set either way: the toolkit marks a clicked link visited on its own.
    SetVisited(followed_);
}

}  // namespace quillox
