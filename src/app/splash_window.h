#pragma once

#include <wx/event.h>
#include <wx/window.h>

namespace quillox {

// The start-up picture: shown for 750 ms, or until the first key or mouse
// press anywhere in the program, which it takes for itself.
namespace splash {

void SetEnabled(bool enabled);
// Does nothing when disabled or already showing.
void Show(wxWindow* parent);
void Hide();
bool IsShowing();
// For the application's event filter: hides the splash on a key or mouse
// press and reports whether the event was taken.
bool TakesEvent(const wxEvent& event);

}  // namespace splash

}  // namespace quillox
