#include "ui/file_dialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "ui/chosen_path_dialog.h"

namespace quillox {

namespace {

// Saving chooses between the two kinds; opening reads either, whatever its
// name, so it offers both at once first and any file last.
const char* const kSaveFilter = "Encrypted Data (*.qxe)|*.qxe|Non Encrypted Data (*.qxf)|*.qxf";
const char* const kOpenFilter =
    "Quillox Files (*.qxe;*.qxf)|*.qxe;*.qxf|Encrypted Data (*.qxe)|*.qxe|"
    "Non Encrypted Data (*.qxf)|*.qxf|All Files (*)|*";

wxString Ask(wxWindow* parent, const wxString& title, const wxString& folder,
             const wxString& initialName, const char* filter, long style) {
    ChosenPathDialog dialog(parent, title, folder, initialName, filter, style);
    // Without a name, the extension alone would make a hidden ".qxe" in the
    // working folder.
    if (dialog.ShowModal() != wxID_OK || dialog.ChosenPath().empty()) {
        return wxString();
    }
    wxFileName chosen(dialog.ChosenPath());
    // A name typed without an extension gets the one of the chosen filter.
    if (!chosen.HasExt() && (style & wxFD_SAVE) != 0) {
        chosen.SetExt(dialog.GetFilterIndex() == 1 ? "qxf" : "qxe");
    }
    return chosen.GetFullPath();
}

}  // namespace

wxString AskFileToOpen(wxWindow* parent) {
    return Ask(parent, "Open", wxString(), wxString(), kOpenFilter,
               wxFD_OPEN | wxFD_FILE_MUST_EXIST);
}

wxString AskFileToSave(wxWindow* parent, const wxString& initialName, const wxString& folder) {
    for (;;) {
        const wxString path = Ask(parent, "Save As", folder, initialName, kSaveFilter,
                                  wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
        const wxString name = wxFileName(path).GetFullName();
        if (name.find_first_of("*?") == wxString::npos) {
            return path;
        }
        wxMessageBox(wxString::Format("\"%s\" is a pattern, not a file name.", name), "Quillox",
                     wxOK | wxICON_EXCLAMATION, parent);
    }
}

wxString SaveNameFor(const wxString& title) {
    wxFileName name(title);
    const wxString extension = name.GetExt().Lower();
    if (extension == "qxe" || extension == "qxf") {
        name.ClearExt();
    }
    return name.GetFullName() + ".qxe";
}

}  // namespace quillox
