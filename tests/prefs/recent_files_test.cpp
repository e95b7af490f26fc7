#include <gtest/gtest.h>

#include <wx/config.h>

#include "prefs/recent_files.h"
#include "prefs/settings.h"
#include "prefs/settings_sandbox.h"

namespace quillox::prefs {
namespace {

using RecentFilesTest = testing::SettingsSandbox;

wxString Stored(const char* name) {
    return wxConfigBase::Get()->Read(wxString("/Recent File List/") + name, "(missing)");
}

TEST_F(RecentFilesTest, ListComesBackInOrderAndAShorterOneLeavesNothingStale) {
    InstallSettingsStore();
    wxFileHistory saved(4);
    for (const char* file :
         {"/d/oldest.qxe", "/d/third.qxf", "/d/with space.qxe", "/d/newest.qxe"}) {
        saved.AddFileToHistory(file);
    }
    SaveRecentFiles(saved);
    EXPECT_EQ(Stored("File1"), "/d/newest.qxe");
    EXPECT_EQ(Stored("File4"), "/d/oldest.qxe");

    InstallSettingsStore();
    wxFileHistory loaded(4);
    LoadRecentFiles(loaded);
    ASSERT_EQ(loaded.GetCount(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(loaded.GetHistoryFile(i), saved.GetHistoryFile(i)) << i;
    }

    wxFileHistory shorter(4);
    shorter.AddFileToHistory("/d/only.qxe");
    SaveRecentFiles(shorter);
    InstallSettingsStore();
    wxFileHistory reloaded(4);
    LoadRecentFiles(reloaded);
    ASSERT_EQ(reloaded.GetCount(), 1u);
    EXPECT_EQ(reloaded.GetHistoryFile(0), "/d/only.qxe");
}

TEST_F(RecentFilesTest, MissingAndEmptyEntriesAreSkipped) {
    InstallSettingsStore();
    wxConfigBase::Get()->Write("/Recent File List/File2", "/d/second.qxe");
    wxConfigBase::Get()->Write("/Recent File List/File3", "");
    wxConfigBase::Get()->Write("/Recent File List/File4", "/d/fourth.qxe");
    wxFileHistory loaded(4);
    LoadRecentFiles(loaded);
    ASSERT_EQ(loaded.GetCount(), 2u);
    EXPECT_EQ(loaded.GetHistoryFile(0), "/d/second.qxe");
    EXPECT_EQ(loaded.GetHistoryFile(1), "/d/fourth.qxe");
}

}  // namespace
}  // namespace quillox::prefs
