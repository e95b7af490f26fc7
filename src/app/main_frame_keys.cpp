// The frame's keys and which commands it lets through.
#include <wx/choice.h>

#include "app/category_bar.h"
#include "app/command_keys.h"
#include "app/main_frame.h"
#include "app/unavailable_commands.h"

namespace quillox {

void CMainFrame::SetUpKeyboard() {
    SetAcceleratorTable(CommandKeys());
    Bind(wxEVT_IDLE, &CMainFrame::OnIdleKeepFocus, this);
}

bool CMainFrame::TryBefore(wxEvent& event) {
    // Taken as handled, so that no menu of the toolkit acts on the key instead.
    if (IsUnavailableCommand(*this, event)) {
        return true;
    }
    return wxDocMDIParentFrame::TryBefore(event);
}

// The toolkit looks up the key table only from a focused window of the
// program; when the last document window goes, the focus goes with it and
// the keys would reach nothing but the menus.
void CMainFrame::OnIdleKeepFocus(wxIdleEvent& event) {
    event.Skip();
    if (IsActive() && GetActiveChild() == nullptr && FindFocus() == nullptr) {
        categoryBar_->Selector()->SetFocus();
    }
}

}  // namespace quillox
