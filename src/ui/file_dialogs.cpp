#include "ui/file_dialogs.h"

#include <wx/filedlg.h>

#include <wx/filename.h>
#include "ui/chosen_path_dialog.h"

namespace quillox {

namespace {

const char* const kFilter = "Encrypted Data (*.qxe)|*.qxe|Non Encrypted Data (*.qxf)|*.qxf";

wxString Ask(wxWindow* parent, const wxString& title, const wxString& initialName, long style) {
    ChosenPathDialog dialog(parent, title, wxEmptyString, initialName, kFilter, style);
    if (dialog.ShowModal() != wxID_OK) {
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
    return Ask(parent, "Open", "*.qxe", wxFD_OPEN | wxFD_FILE_MUST_EXIST);
}

wxString AskFileToSave(wxWindow* parent, const wxString& initialName) {
    return Ask(parent, "Save As", initialName, wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
}

}  // namespace quillox
