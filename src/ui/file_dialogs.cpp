#include "ui/file_dialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "ui/chosen_path_dialog.h"

namespace quillox {

namespace {

const char* const kFilter = "Encrypted Data (*.qxe)|*.qxe|Non Encrypted Data (*.qxf)|*.qxf";

wxString Ask(wxWindow* parent, const wxString& title, const wxString& folder,
             const wxString& initialName, long style) {
    ChosenPathDialog dialog(parent, title, folder, initialName, kFilter, style);
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
    return Ask(parent, "Open", wxString(), wxString(), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
}

wxString AskFileToSave(wxWindow* parent, const wxString& initialName, const wxString& folder) {
    for (;;) {
        const wxString path =
            Ask(parent, "Save As", folder, initialName, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
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
