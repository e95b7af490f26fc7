#include "prefs/recent_files.h"

#include <iterator>

#include "prefs/settings.h"

namespace quillox::prefs {

namespace {
constexpr char kRecentFileList[] = "Recent File List";
constexpr StringSetting kRecentFiles[] = {
    {kRecentFileList, "File1", ""},
    {kRecentFileList, "File2", ""},
    {kRecentFileList, "File3", ""},
    {kRecentFileList, "File4", ""},
};
static_assert(std::size(kRecentFiles) == kRecentFileCount);
}  // namespace

void LoadRecentFiles(wxFileHistory& history) {
    // The history puts each added file first, so the oldest goes in first.
    for (auto entry = std::rbegin(kRecentFiles); entry != std::rend(kRecentFiles); ++entry) {
        const wxString path = Read(*entry);
        if (!path.empty()) {
            history.AddFileToHistory(path);
        }
    }
}

void SaveRecentFiles(const wxFileHistory& history) {
    // Entries beyond the history's length are emptied, so that no file of an
    // earlier, longer list comes back.
    for (std::size_t i = 0; i < std::size(kRecentFiles); ++i) {
        Write(kRecentFiles[i], i < history.GetCount() ? history.GetHistoryFile(i) : wxString());
    }
}

}  // namespace quillox::prefs
