#include "app/child_frame.h"

#include <wx/accel.h>
#include <wx/dcclient.h>
#include <wx/filehistory.h>
#include <wx/menu.h>
#include <iterator>

#include "app/main_frame.h"
#include "document/quillox_doc.h"
#include "ui/command_ids.h"

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
    wxAcceleratorEntry keys[] = {
        {wxACCEL_CTRL, 'N', cmd::kNewCard},
        {wxACCEL_CTRL, 'E', cmd::kEditCard},
        {wxACCEL_CTRL, 'D', cmd::kDeleteCard},
        {wxACCEL_ALT, 'C', cmd::kCopyPasswordMenu},
        {wxACCEL_CTRL, 'F', wxID_FIND},
        {wxACCEL_ALT, 'G', cmd::kGeneratePassword},
        {wxACCEL_ALT, 'P', cmd::kPreferences},
        {wxACCEL_CTRL, 'S', wxID_SAVE},
        {wxACCEL_ALT, 'S', cmd::kEncryptOnSave},
        {wxACCEL_CTRL, 'O', wxID_OPEN},
        {wxACCEL_ALT, 'N', wxID_NEW},
        {wxACCEL_CTRL, 'W', cmd::kLoadWebPageMenu},
        {wxACCEL_ALT, 'W', cmd::kGetWebPageMenu},
        {wxACCEL_CTRL, 'P', wxID_PRINT},
    };
    SetAcceleratorTable(wxAcceleratorTable(static_cast<int>(std::size(keys)), keys));
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
