#include "app/child_frame.h"

#include <wx/accel.h>
#include <wx/dcclient.h>
#include <wx/filehistory.h>
#include <wx/menu.h>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/quillox_doc.h"

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
    // The main frame's own File menu keeps Ctrl+N for File New while it is
    // hidden behind this window's menus; the key must reach New Card here.
    wxAcceleratorEntry newCard(wxACCEL_CTRL, 'N', cmd::kNewCard);
    SetAcceleratorTable(wxAcceleratorTable(1, &newCard));
    Maximize();
}

// The recent-file list must forget this window's File menu before it goes.
CChildFrame::~CChildFrame() {
    wxFileHistory* history =
        GetDocument() != nullptr && GetDocument()->GetDocumentManager() != nullptr
            ? GetDocument()->GetDocumentManager()->GetFileHistory()
            : nullptr;
    if (history != nullptr && GetMenuBar() != nullptr) {
        history->RemoveMenu(GetMenuBar()->GetMenu(0));
    }
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
