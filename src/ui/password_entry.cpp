#include "ui/password_entry.h"

#include <string>
#include <string_view>

#include <wx/msgdlg.h>

#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox {

std::optional<SecretString> EntryBytes(const wxTextCtrl& entry) {
    const wxString text = entry.GetValue();
    wxScopedCharBuffer utf8 = text.utf8_str();
    std::optional<std::string> bytes = Utf8ToCp1252(std::string_view(utf8.data(), utf8.length()));
    SecureWipe(utf8.data(), utf8.length());
    if (!bytes) {
        return std::nullopt;
    }
    SecretString secret(*bytes);
    SecureWipe(*bytes);
    return secret;
}

void ShowEntryBytes(wxTextCtrl& entry, const SecretString& bytes) {
    std::string utf8 = Cp1252ToUtf8(std::string_view(bytes.data(), bytes.size()));
    entry.ChangeValue(wxString::FromUTF8(utf8.data(), utf8.size()));
    SecureWipe(utf8);
}

bool CheckEntriesStorable(wxWindow* parent, std::initializer_list<const wxTextCtrl*> entries) {
    for (const wxTextCtrl* entry : entries) {
        if (!EntryBytes(*entry)) {
            wxMessageBox(kUnstorablePassword, "Quillox", wxOK | wxICON_EXCLAMATION, parent);
            return false;
        }
    }
    return true;
}

}  // namespace quillox
