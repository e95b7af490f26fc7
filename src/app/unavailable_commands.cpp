#include "app/unavailable_commands.h"

namespace quillox {

bool IsUnavailableCommand(wxWindow& window, const wxEvent& event) {
    if (event.GetEventType() != wxEVT_MENU) {
        return false;
    }
    wxUpdateUIEvent rule(event.GetId());
    rule.SetEventObject(&window);
    window.ProcessWindowEvent(rule);
    return rule.GetSetEnabled() && !rule.GetEnabled();
}

}  // namespace quillox
