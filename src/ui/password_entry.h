#pragma once

#include <initializer_list>
#include <optional>

#include <wx/textctrl.h>

#include "store/secret_string.h"

namespace quillox {

inline constexpr const char* kUnstorablePassword =
    "The password holds a character that a Quillox file cannot store.";

// The Windows-1252 bytes of what the entry holds, the form passwords take in
// the files; nothing when a character has no such byte.
std::optional<SecretString> EntryBytes(const wxTextCtrl& entry);

// Puts the password bytes into the entry as text.
void ShowEntryBytes(wxTextCtrl& entry, const SecretString& bytes);

// Whether every entry can become Windows-1252 bytes; if not, says so in a
// message box over parent.
bool CheckEntriesStorable(wxWindow* parent, std::initializer_list<const wxTextCtrl*> entries);

}  // namespace quillox
