// The main window's title names the active document.
#include "app/main_frame.h"
#include "document/quillox_doc.h"

namespace quillox {

void CMainFrame::OnIdleShowTitle(wxIdleEvent& event) {
    event.Skip();
    wxString title = appTitle_;
    if (const CQuilloxNewDoc* document = ActiveDocument()) {
        title += " - " + document->GetUserReadableName();
    }
    if (GetTitle() != title) {
        SetTitle(title);
    }
}

}  // namespace quillox
