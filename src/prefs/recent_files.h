#pragma once

#include <wx/filehistory.h>

namespace quillox::prefs {

inline constexpr int kRecentFileCount = 4;

// The recent-file list lives in section "Recent File List" as "File1" (the
// most recent) to "File4".
void LoadRecentFiles(wxFileHistory& history);
void SaveRecentFiles(const wxFileHistory& history);

}  // namespace quillox::prefs
