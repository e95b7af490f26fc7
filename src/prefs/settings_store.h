#pragma once

#include <wx/config.h>

namespace quillox::prefs {

// Whether the value at path may be read as type. The registry keeps the
// type of every value and complains when one is read as another; a file
// holds text only, which the number conversion checks.
bool HoldsType(const wxConfigBase& store, const wxString& path, wxConfigBase::EntryType type);

}  // namespace quillox::prefs
