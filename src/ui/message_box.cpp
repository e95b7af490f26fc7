#include "ui/message_box.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace quillox {

namespace {

wxWindow* MainWindow() {
    return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
}

}  // namespace

void ShowMessage(const wxString& text) {
    wxMessageBox(text, "Quillox", wxOK, MainWindow());
}

void ShowError(const wxString& text) {
    wxMessageBox(text, "Error", wxOK | wxICON_ERROR, MainWindow());
}

void ShowStoreMessage(const std::string& text) {
    wxString shown = wxString::FromUTF8(text);
    // A path the file system holds in another encoding still shows, as the
    // file dialogs show it.
    if (shown.empty() && !text.empty()) {
        shown = wxString(text.c_str(), *wxConvFileName);
    }
    ShowMessage(shown);
}

}  // namespace quillox
