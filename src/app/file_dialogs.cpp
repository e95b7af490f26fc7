#include "app/file_dialogs.h"

#include <wx/filedlg.h>
#include <wx/filename.h>

namespace quillox {

namespace {

const char* const kFilter = "Encrypted Data (*.qxe)|*.qxe|Non Encrypted Data (*.qxf)|*.qxf";

// GTK reports a path set on a file chooser only once it has been shown; a
// path set by the program (or a test answering the dialog) is kept here.
class DataFileDialog : public wxFileDialog {
  public:
    using wxFileDialog::wxFileDialog;
    void SetPath(const wxString& path) override {
        setPath_ = path;
        wxFileDialog::SetPath(path);
    }
    wxString ChosenPath() const {
        const wxString path = GetPath();
        return path.empty() ? setPath_ : path;
    }

  private:
    wxString setPath_;
};

wxString Ask(wxWindow* parent, const wxString& title, const wxString& initialName, long style) {
    DataFileDialog dialog(parent, title, wxEmptyString, initialName, kFilter, style);
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
