#include "app/child_frame.h"

#include <wx/dcclient.h>
#include <wx/filehistory.h>
#include <wx/menu.h>

#include "app/command_keys.h"
#include "app/main_frame.h"
#include "app/unavailable_commands.h"
#include "document/quillox_doc.h"

namespace quillox {

wxBEGIN_EVENT_TABLE(CChildFrame, wxDocMDIChildFrame)
    EVT_ACTIVATE(CChildFrame::OnActivate)
    EVT_PAINT(CChildFrame::OnPaint)
    EVT_SET_FOCUS(CChildFrame::OnFocus)
wxEND_EVENT_TABLE()

CChildFrame::CChildFrame(wxDocument* document, wxView* view, wxMDIParentFrame* parent)
    : wxDocMDIChildFrame(document, view, parent, wxID_ANY, document->GetUserReadableName(),
                         wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE) {
    SetMenuBar(CMainFrame::CreateDocumentMenuBar(document->GetDocumentManager()));
    // The document window answers its keys itself: the main frame's hidden
    // File menu would keep Ctrl+N for File New, and the card list's own
    // key handling (Ctrl+F starts its search) would take others first.
    SetAcceleratorTable(CommandKeys());
    Maximize();
}

// The recent-file list must forget this window's File menu before it goes.
// The document may be gone already (on Windows the frame is deleted later),
// so the program's one manager is asked, not the document.
CChildFrame::~CChildFrame() {
    wxDocManager* manager = wxDocManager::GetDocumentManager();
    wxFileHistory* history = manager != nullptr ? manager->GetFileHistory() : nullptr;
    if (history != nullptr && GetMenuBar() != nullptr) {
        history->RemoveMenu(GetMenuBar()->GetMenu(0));
    }
    // Once the document is gone too, the frame may show that none is left.
    if (CMainFrame* frame = GetMainFrame()) {
        frame->CallAfter(&CMainFrame::ShowStateWithoutDocument);
    }
}

bool CChildFrame::TryBefore(wxEvent& event) {
    if (CMainFrame* frame = GetMainFrame();
        frame != nullptr && frame->DeferWhileBrowserWaits(event, *this)) {
        return true;
    }
    if (IsUnavailableCommand(*this, event)) {
        return true;
    }
    return wxDocMDIChildFrame::TryBefore(event);
}

void CChildFrame::ShowDocumentState() {
    if (const auto* document = dynamic_cast<const CQuilloxNewDoc*>(GetDocument())) {
        document->RefreshLockStatus();
        if (CMainFrame* frame = GetMainFrame();
            frame != nullptr && frame->GetActiveChild() == this) {
            frame->SetDocumentIcon(document->IsEncrypted());
        }
    }
}

void CChildFrame::OnActivate(wxActivateEvent& event) {
    if (event.GetActive()) {
        Maximize();
        ShowDocumentState();
    }
    event.Skip();
}

void CChildFrame::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    ShowDocumentState();
}

void CChildFrame::OnFocus(wxFocusEvent& event) {
    event.Skip();
    ShowDocumentState();
}

}  // namespace quillox
