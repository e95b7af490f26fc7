#include <wx/cmndata.h>
#include <wx/generic/prntdlgg.h>

#include "app/page_setup_dialog.h"

namespace quillox {

// GTK's own page setup offers no margins; wx's generic dialog has fields for
// all four, besides paper and orientation.
bool ShowPageSetupDialog(wxWindow* parent, wxPageSetupDialogData& data) {
    data.EnableMargins(true);
    data.EnablePrinter(false);
    wxGenericPageSetupDialog dialog(parent, &data);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    data = dialog.GetPageSetupDialogData();
    return true;
}

}  // namespace quillox
