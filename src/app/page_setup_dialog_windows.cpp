#include <wx/cmndata.h>
#include <wx/printdlg.h>

#include "app/page_setup_dialog.h"

namespace quillox {

// The system's page setup has fields for the four margins.
bool ShowPageSetupDialog(wxWindow* parent, wxPageSetupDialogData& data) {
    data.EnableMargins(true);
    wxPageSetupDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    data = dialog.GetPageSetupDialogData();
    return true;
}

}  // namespace quillox
