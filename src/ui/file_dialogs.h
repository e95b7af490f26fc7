#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace quillox {

// The data-file dialogs: encrypted (*.qxe) and plain (*.qxf) files, ".qxe"
// by default. Each returns the chosen path, or an empty text on Cancel.
wxString AskFileToOpen(wxWindow* parent);
wxString AskFileToSave(wxWindow* parent, const wxString& initialName);

}  // namespace quillox
