#pragma once

#include <wx/cmndata.h>

class wxWindow;

namespace quillox {

// Until Print Setup changes them, 15 mm on every side: inside what printers
// reach, so that header and footer are never cut off.
inline wxPageSetupDialogData DefaultPageSetup() {
    wxPageSetupDialogData data;
    data.SetMarginTopLeft(wxPoint(15, 15));
    data.SetMarginBottomRight(wxPoint(15, 15));
    return data;
}

// Print Setup's dialog: paper, orientation and the four margins, which the
// pages are laid out inside. True, with data changed, when the user chose OK.
bool ShowPageSetupDialog(wxWindow* parent, wxPageSetupDialogData& data);

}  // namespace quillox
