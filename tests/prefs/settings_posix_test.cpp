// Where the settings file lives on POSIX systems, and a file that cannot be
// written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <wx/log.h>

#include "prefs/settings.h"
#include "prefs/settings_sandbox.h"
#include "support/environment.h"

namespace quillox::prefs {
namespace {

namespace fs = std::filesystem;

class CountingLog : public wxLog {
  public:
    int messages = 0;

  protected:
    void DoLogRecord(wxLogLevel, const wxString&, const wxLogRecordInfo&) override { ++messages; }
};

using SettingsPosixTest = testing::SettingsSandbox;

TEST_F(SettingsPosixTest, WithoutXdgConfigHomeTheFileLivesInHomeConfig) {
    const fs::path folder = root_ / "home" / ".config";
    for (const bool unset : {true, false}) {
        if (unset) {
            testing::UnsetEnvironment("XDG_CONFIG_HOME");
        } else {
            testing::SetEnvironment("XDG_CONFIG_HOME", "");
        }
        InstallSettingsStore();
        Write(kDateFormat, 4);
        EXPECT_TRUE(fs::is_regular_file(folder / "Quillox" / "Quillox.conf")) << unset;
        InstallSettingsStore();
        EXPECT_EQ(Read(kDateFormat), 4) << unset;
        fs::remove_all(folder);
    }
}

TEST_F(SettingsPosixTest, StoreThatCannotBeWrittenFailsSilently) {
    // A file where the folder belongs: nothing can be created beneath it.
    std::ofstream(root_ / "config") << "not a folder";
    CountingLog log;
    wxLog* previous = wxLog::SetActiveTarget(&log);
    InstallSettingsStore();
    Write(kDateFormat, 5);
    Write(kAutomaticSave, "20");
    delete wxConfigBase::Set(nullptr);
    wxLog::SetActiveTarget(previous);
    EXPECT_EQ(log.messages, 0);

    // Without a store nothing is stored and no store is made up on the spot.
    Write(kDateFormat, 5);
    EXPECT_EQ(Read(kDateFormat), 0);
    EXPECT_EQ(Read(kAutomaticSave), "10");
    EXPECT_EQ(wxConfigBase::Get(false), nullptr);
}

}  // namespace
}  // namespace quillox::prefs
