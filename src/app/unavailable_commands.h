#pragma once

#include <wx/event.h>
#include <wx/window.h>

namespace quillox {

// Whether event is a command that the update rules, asked through window as
// the menus and the toolbar ask them, declare unavailable. Such a command
// does nothing, whichever way it comes: a key of the table (the toolkit does
// not look at the menus' states for those), a menu whose state has not been
// refreshed yet, or the toolbar.
bool IsUnavailableCommand(wxWindow& window, const wxEvent& event);

}  // namespace quillox
