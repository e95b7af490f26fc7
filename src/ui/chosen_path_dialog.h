#pragma once

#include <wx/filedlg.h>

namespace quillox {

// A file dialog whose chosen path can be read back even when it was never
// shown: GTK reports a path set on a file chooser only once it has been
// displayed, so a path set by the program (or a test answering the dialog)
// is kept here.
class ChosenPathDialog : public wxFileDialog {
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

}  // namespace quillox
