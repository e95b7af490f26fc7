#pragma once

#include <wx/accel.h>

namespace quillox {

// The program's one key table. The main frame and every document window
// carry it, so a key does the same wherever the keyboard focus is; a key
// whose command is unavailable there does nothing.
wxAcceleratorTable CommandKeys();

}  // namespace quillox
