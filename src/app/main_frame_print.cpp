// Print Setup, and the category bar around a print preview.
#include "app/category_bar.h"
#include "app/main_frame.h"

namespace quillox {

// The document manager would answer Print Setup itself, with settings of its
// own, before the frame sees the command; bound on the manager, the frame's
// handler comes first, from either menu bar. Without a document the command
// is always there; with one, the list enables it as it does Print.
void CMainFrame::BindPrintCommands() {
    wxDocManager* manager = GetDocumentManager();
    manager->Bind(wxEVT_MENU, &CMainFrame::OnPrintSetup, this, wxID_PRINT_SETUP);
}

void CMainFrame::OnPrintSetup(wxCommandEvent&) {
    ShowPageSetupDialog(this, pageSetup_);
}

void CMainFrame::ShowCategoryBar(bool shown) {
    categoryBar_->Show(shown);
    Layout();
    Refresh();
    Update();
}

}  // namespace quillox
