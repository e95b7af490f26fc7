#pragma once

#include <wx/string.h>
#include <wx/window.h>

namespace quillox {

// The data-file dialogs: encrypted (*.qxe) and plain (*.qxf) files, ".qxe"
// by default; Open offers both kinds together first, then each, then all
// files. Each returns the chosen path, or an empty text on Cancel.
// Neither offers a pattern as the file name: a file chooser takes "*.qxe"
// as a name, and Enter would save into a file of that name.
wxString AskFileToOpen(wxWindow* parent);
// Offers initialName in folder (where the dialog was last, when empty). A
// name chosen without an extension gets the selected filter's; a name that
// holds * or ? is refused and the dialog asked again.
wxString AskFileToSave(wxWindow* parent, const wxString& initialName,
                       const wxString& folder = wxString());

// The name Save offers for a document titled title: the title with ".qxe"
// in place of a data file's extension.
wxString SaveNameFor(const wxString& title);

}  // namespace quillox
