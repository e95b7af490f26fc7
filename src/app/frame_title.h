#pragma once

#include <wx/string.h>

namespace quillox {

// The main window's own title for the active document's name (empty when
// there is none). Windows itself adds a maximised document window's title to
// its frame's, in brackets, so there the frame then says only the program's
// name, as Windows programs do.
wxString MainFrameTitle(const wxString& program, const wxString& document, bool maximized);

}  // namespace quillox
