#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "prefs/settings.h"
#include "prefs/settings_sandbox.h"
#include "prefs/users_settings_store.h"

namespace quillox::prefs {
namespace {

namespace fs = std::filesystem;

struct IntEntry {
    const IntSetting& setting;
    const char* path;
    long defaultValue;
};
struct StringEntry {
    const StringSetting& setting;
    const char* path;
    const char* defaultValue;
};

const IntEntry kInts[] = {
    {kFindCasePref, "/General Preferences/Find Case Pref", 0},
    {kChooseWebBrowser, "/Internet Preferences/Choose Web Browser", 1},
    {kAutomaticSaveCheck, "/Internet Preferences/Automatic Save Check", 0},
    {kDateFormat, "/Internet Preferences/Date Format", 0},
    {kShowPasswordAlways, "/Internet Preferences/ShowPasswordAlways", 0},
    {kPrintAtm, "/Print Preferences/Print ATM", 1},
    {kPrintNotes, "/Print Preferences/Print Notes", 1},
    {kLaunchEmail, "/Start Up Preferences/Print Notes", 0},
    {kLaunchWebBrowser, "/Start Up Preferences/Launch Web Browser", 0},
    {kLaunchFtp, "/Start Up Preferences/Launch FTP", 0},
    {kLaunchTelnet, "/Start Up Preferences/Launch Tel Net", 0},
    {kLaunchNewsReader, "/Start Up Preferences/Launch News Reader", 0},
    {kCheckOpenFiles, "/Start Up Preferences/Check Open Files", 0},
    {kFirstStartDone, "/Settings/First Start Done", 0},
};
const StringEntry kStrings[] = {
    {kLastSelectedCatg, "/General Preferences/LastSelectedCatg", ""},
    {kAutomaticSave, "/Internet Preferences/Automatic Save", "10"},
    {kNetscapeFilePath, "/Internet Preferences/Netscape File Path", ""},
    {kExplorerFilePath, "/Internet Preferences/Explorer File Path", ""},
    {kMailProgFilePath, "/Internet Preferences/MailProg File Path", ""},
    {kNewsProgFilePath, "/Internet Preferences/NewsProg File Path", ""},
    {kFtpFilePath, "/Internet Preferences/FTP File Path", ""},
    {kTelnetFilePath, "/Internet Preferences/Telnet File Path", ""},
    {kHelpProgFilePath, "/Internet Preferences/HelpProg File Path", ""},
};

// A distinct value per entry, with the characters a file store has to escape
// and the ones a store could take for variables to expand.
long IntValue(std::size_t i) {
    return static_cast<long>(i) * 1000 - 3;
}
wxString StringValue(std::size_t i) {
    return wxString::FromUTF8(" /opt/Netscape Communicator/\"nav\" %TEMP% $HOME\\x ä;#=") +
           wxString::Format("%zu ", i);
}

using SettingsTest = testing::SettingsSandbox;

TEST_F(SettingsTest, FreshStoreReadsTheDefaults) {
    InstallSettingsStore();
    for (const IntEntry& entry : kInts) {
        EXPECT_EQ(Read(entry.setting), entry.defaultValue) << entry.path;
    }
    for (const StringEntry& entry : kStrings) {
        EXPECT_EQ(Read(entry.setting), entry.defaultValue) << entry.path;
    }
    EXPECT_EQ(Read(kPrintAtm, 0), 0);
    EXPECT_EQ(Read(kPrintNotes, 0), 0);

    // "Print Notes" of the two sections are separate values.
    Write(kLaunchEmail, 1);
    EXPECT_EQ(Read(kPrintNotes, 0), 0);
    Write(kPrintNotes, 0);
    EXPECT_EQ(Read(kLaunchEmail), 1);
    EXPECT_EQ(Read(kPrintNotes), 0);
}

TEST_F(SettingsTest, ValuesPersistInTheUsersFileUnderTheirSections) {
    InstallSettingsStore();
    wxConfigBase::Get()->SetPath("/Elsewhere");
    for (std::size_t i = 0; i < std::size(kInts); ++i) {
        Write(kInts[i].setting, IntValue(i));
    }
    for (std::size_t i = 0; i < std::size(kStrings); ++i) {
        Write(kStrings[i].setting, StringValue(i));
    }
    EXPECT_EQ(wxConfigBase::Get()->GetPath(), "/Elsewhere");

    InstallSettingsStore();
    for (std::size_t i = 0; i < std::size(kInts); ++i) {
        EXPECT_EQ(Read(kInts[i].setting), IntValue(i)) << kInts[i].path;
    }
    for (std::size_t i = 0; i < std::size(kStrings); ++i) {
        EXPECT_EQ(Read(kStrings[i].setting), StringValue(i)) << kStrings[i].path;
    }

    // Read back by plain path: each section is a group of the user's store.
    const std::unique_ptr<wxConfigBase> raw = testing::UsersSettingsStore(root_);
    ASSERT_TRUE(raw);
    raw->SetExpandEnvVars(false);
    for (std::size_t i = 0; i < std::size(kInts); ++i) {
        EXPECT_EQ(raw->Read(kInts[i].path, -1L), IntValue(i)) << kInts[i].path;
    }
    for (std::size_t i = 0; i < std::size(kStrings); ++i) {
        EXPECT_EQ(raw->Read(kStrings[i].path, wxString()), StringValue(i)) << kStrings[i].path;
    }
}

TEST_F(SettingsTest, TextWhereANumberBelongsReadsAsTheDefault) {
    InstallSettingsStore();
    wxConfigBase::Get()->Write("/Internet Preferences/Choose Web Browser", "Netscape");
    wxConfigBase::Get()->Write("/Print Preferences/Print ATM", "0 please");
    wxConfigBase::Get()->Write("/Internet Preferences/Date Format", "");
    EXPECT_EQ(Read(kChooseWebBrowser), 1);
    EXPECT_EQ(Read(kPrintAtm), 1);
    EXPECT_EQ(Read(kDateFormat, 5), 5);
}

}  // namespace
}  // namespace quillox::prefs
