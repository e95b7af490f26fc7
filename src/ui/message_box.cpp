#include "ui/message_box.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include "store/text_codec.h"

namespace quillox {

void ShowMessage(const wxString& text) {
    wxMessageBox(text, "Quillox", wxOK, wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr);
}

void ShowStoreMessage(const std::string& text) {
    ShowMessage(wxString::FromUTF8(Cp1252ToUtf8(text)));
}

std::string ToStorePath(const wxString& path) {
#if defined(_WIN32)
    return path.utf8_string();
#else
    return std::string(path.fn_str());
#endif
}

}  // namespace quillox
