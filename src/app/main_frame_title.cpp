// The main window's title names the active document.
#include "app/frame_title.h"
#include "app/main_frame.h"
#include "document/quillox_doc.h"

namespace quillox {

// Set again whenever the document or its window's state changes, not only
// when the frame's own title does: Windows adds the maximised document
// window's name when the frame's title is set, and only has the name once
// the document window has its title.
void CMainFrame::OnIdleShowTitle(wxIdleEvent& event) {
    event.Skip();
    const CQuilloxNewDoc* document = ActiveDocument();
    const wxString name = document != nullptr ? document->GetUserReadableName() : wxString();
    const wxMDIChildFrame* child = GetActiveChild();
    const bool maximized = child != nullptr && child->IsMaximized();
    const wxString titledFor = name + (maximized ? "\n+" : "\n-");
    if (titledFor != titledFor_) {
        titledFor_ = titledFor;
        SetTitle(MainFrameTitle(appTitle_, name, maximized));
    }
}

}  // namespace quillox
