#include "cards/clipboard_text.h"

#include <wx/clipbrd.h>

#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox {

ClipboardResult PutTextOnClipboard(std::string_view text) {
    if (!wxTheClipboard->Open()) {
        return ClipboardResult::NotOpened;
    }
    std::string utf8 = Cp1252ToUtf8(text);
    const bool set = wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(utf8)));
    wxTheClipboard->Close();
    // Often a password: leave no copy of our own behind.
    SecureWipe(utf8);
    return set ? ClipboardResult::Placed : ClipboardResult::NotSet;
}

}  // namespace quillox
