#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "prefs/preference_values.h"
#include "prefs/settings.h"
#include "prefs/settings_sandbox.h"

namespace quillox::prefs {
namespace {

using PreferenceValuesTest = quillox::testing::SettingsSandbox;

// Every value different from its default and from the others.
PreferenceValues Changed() {
    PreferenceValues values;
    values.webBrowser = 0;
    values.automaticSaveCheck = 1;
    values.automaticSaveMinutes = "25 min";
    values.showPasswordAlways = 1;
    values.dateFormat = -1;
    values.checkOpenFiles = 2;
    values.launchWebBrowser = 3;
    values.launchFtp = 4;
    values.launchEmail = 5;
    values.launchTelnet = 6;
    values.launchNewsReader = 7;
    values.netscapePath = "/opt/netscape/netscape";
    values.mailProgPath = "$HOME/bin/mail client";
    values.ftpPath = "/usr/bin/ftp";
    values.newsProgPath = "C:\\Programme\\News\\news.exe";
    values.helpProgPath = wxString::FromUTF8("/usr/bin/l\xC3\xA9ser");
    values.telnetPath = "/usr/bin/telnet";
    values.printAtm = 8;
    values.printNotes = 9;
    values.encryptNewFilesAs = 1;
    return values;
}

TEST_F(PreferenceValuesTest, AFreshStoreGivesTheDefaultsWithBothPrintValuesOn) {
    InstallSettingsStore();
    const PreferenceValues values = LoadPreferenceValues();
    EXPECT_EQ(values.webBrowser, 1);
    EXPECT_EQ(values.automaticSaveCheck, 0);
    EXPECT_EQ(values.automaticSaveMinutes, "10");
    EXPECT_EQ(values.showPasswordAlways, 0);
    EXPECT_EQ(values.dateFormat, 0);
    EXPECT_EQ(values.encryptNewFilesAs, 0);
    EXPECT_EQ(FormForNewFiles(), EncryptionForm::Strong);
    for (long flag : {values.checkOpenFiles, values.launchWebBrowser, values.launchFtp,
                      values.launchEmail, values.launchTelnet, values.launchNewsReader}) {
        EXPECT_EQ(flag, 0);
    }
    for (const wxString& path : {values.netscapePath, values.mailProgPath, values.ftpPath,
                                 values.newsProgPath, values.helpProgPath, values.telnetPath}) {
        EXPECT_TRUE(path.empty());
    }
    // As output reads the same missing values.
    EXPECT_EQ(values.printAtm, 1);
    EXPECT_EQ(values.printNotes, 1);
    EXPECT_EQ(Read(kPrintAtm), 1);
    EXPECT_EQ(Read(kPrintNotes), 1);
}

TEST_F(PreferenceValuesTest, EveryValueSurvivesSavingAndReopeningTheStore) {
    InstallSettingsStore();
    const PreferenceValues saved = Changed();
    SavePreferenceValues(saved);
    InstallSettingsStore();
    const PreferenceValues read = LoadPreferenceValues();

    EXPECT_EQ(read.webBrowser, saved.webBrowser);
    EXPECT_EQ(read.automaticSaveCheck, saved.automaticSaveCheck);
    EXPECT_EQ(read.automaticSaveMinutes, saved.automaticSaveMinutes);
    EXPECT_EQ(read.showPasswordAlways, saved.showPasswordAlways);
    EXPECT_EQ(read.dateFormat, saved.dateFormat);
    EXPECT_EQ(read.checkOpenFiles, saved.checkOpenFiles);
    EXPECT_EQ(read.launchWebBrowser, saved.launchWebBrowser);
    EXPECT_EQ(read.launchFtp, saved.launchFtp);
    EXPECT_EQ(read.launchEmail, saved.launchEmail);
    EXPECT_EQ(read.launchTelnet, saved.launchTelnet);
    EXPECT_EQ(read.launchNewsReader, saved.launchNewsReader);
    EXPECT_EQ(read.netscapePath, saved.netscapePath);
    EXPECT_EQ(read.mailProgPath, saved.mailProgPath);
    EXPECT_EQ(read.ftpPath, saved.ftpPath);
    EXPECT_EQ(read.newsProgPath, saved.newsProgPath);
    EXPECT_EQ(read.helpProgPath, saved.helpProgPath);
    EXPECT_EQ(read.telnetPath, saved.telnetPath);
    EXPECT_EQ(read.printAtm, saved.printAtm);
    EXPECT_EQ(read.printNotes, saved.printNotes);
    EXPECT_EQ(read.encryptNewFilesAs, saved.encryptNewFilesAs);

    // The other program parts read the same entries.
    EXPECT_EQ(Read(kDateFormat), -1);
    EXPECT_EQ(Read(kAutomaticSave), "25 min");
    EXPECT_EQ(Read(kLaunchTelnet), 6);
    EXPECT_EQ(Read(kHelpProgFilePath), saved.helpProgPath);
    EXPECT_EQ(FormForNewFiles(), EncryptionForm::Compatible);
    // Only 1 asks for the compatible form.
    Write(kEncryptNewFilesAs, 2);
    EXPECT_EQ(FormForNewFiles(), EncryptionForm::Strong);
}

TEST_F(PreferenceValuesTest, TheEmailLaunchAndThePrintedNotesAreSeparateValues) {
    InstallSettingsStore();
    Write(kPrintNotes, 1);
    PreferenceValues values = LoadPreferenceValues();
    EXPECT_EQ(values.printNotes, 1);
    EXPECT_EQ(values.launchEmail, 0);

    values.launchEmail = 1;
    SavePreferenceValues(values);
    EXPECT_EQ(Read(kLaunchEmail), 1);
    EXPECT_EQ(Read(kPrintNotes), 1);

    values.printNotes = 0;
    SavePreferenceValues(values);
    EXPECT_EQ(Read(kLaunchEmail), 1);
    EXPECT_EQ(Read(kPrintNotes), 0);
}

TEST_F(PreferenceValuesTest, DateFormatSamplesRenderTheDateInEveryFormatInOrder) {
    testing::SetEnvironment("TZ", "UTC");
    ::tzset();
    // Late morning, so that a wrong time zone would not move the day.
    const MacTime tuesday = MacTimeFromDate(2003, 3, 4) + 10 * 3600;
    const std::vector<std::string> expected = {
        "03/04/03",        "Tuesday, March 04, 2003",
        "March, 04, 2003", "03/04/2003",
        "2003-03-04",      "04-March-03",
        "03.04.03",        "March.04.03",
        "04-March-2003",   "March, 03",
        "March-03",        "04-03-2003",
    };
    EXPECT_EQ(DateFormatSamples(tuesday), expected);
}

}  // namespace
}  // namespace quillox::prefs
