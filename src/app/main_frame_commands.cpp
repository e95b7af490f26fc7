// Which commands the frame lets through.
#include "app/main_frame.h"
#include "app/unavailable_commands.h"

namespace quillox {

bool CMainFrame::TryBefore(wxEvent& event) {
    if (DeferWhileBrowserWaits(event, *this)) {
        return true;
    }
    // Taken as handled, so that no menu of the toolkit acts on the key instead.
    if (IsUnavailableCommand(*this, event)) {
        return true;
    }
    return wxDocMDIParentFrame::TryBefore(event);
}

}  // namespace quillox
