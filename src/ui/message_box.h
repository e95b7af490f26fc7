#pragma once

#include <wx/string.h>
#include <string>

namespace quillox {

// A message box with the program's name as caption, owned by the main window.
void ShowMessage(const wxString& text);
// A box titled "Error" for something the user asked for that failed.
void ShowError(const wxString& text);
// The same for a message of the card store: UTF-8, with paths in the file
// system's own bytes.
void ShowStoreMessage(const std::string& text);

// A path as the card store takes it: the file system's bytes on Unix, UTF-8
// (widened again when the file is opened) on Windows.
std::string ToStorePath(const wxString& path);

}  // namespace quillox
