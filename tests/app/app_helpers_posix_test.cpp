// The helper programs and the browser started from the menus, the toolbar and
// at start-up, the first start's look for browsers, and the help pages.
#include <wx/config.h>
#include <wx/filehistory.h>
#include <wx/textctrl.h>
#include <wx/time.h>
#include <wx/utils.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "app/stand_ins_posix.h"
#include "document/decryption_password_dialog.h"
#include "prefs/path_settings_page.h"
#include "prefs/preferences_sheet.h"
#include "prefs/settings.h"
#include "support/environment.h"
#include "ui/command_ids.h"
#include "version/version_info.h"
#include "web/user_guide.h"

using namespace quillox;
namespace fs = std::filesystem;

namespace {

class HelperTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        record_ = folder_ / "started.txt";
        savedPath_ = std::getenv("PATH");
        quillox::testing::SetEnvironment("XDG_DATA_HOME", (folder_ / "data").string());
    }
    void TearDown() override {
        quillox::testing::SetEnvironment("PATH", savedPath_);
        quillox::testing::UnsetEnvironment("XDG_DATA_HOME");
        for (const char* name : {"xdg-settings", "xdg-open"}) {
            fs::remove(TestProgramsFolder() / name);
        }
        AppTest::TearDown();
    }

    std::string Program(const std::string& name, int status = 0) {
        WriteTestProgram(name, RecordingProgram(record_, status));
        return (TestProgramsFolder() / name).string();
    }
    // The desktop's default browser: xdg-settings names an entry whose
    // command is exec.
    void SetDefaultBrowser(const std::string& exec) {
        WriteTestProgram("xdg-settings", "echo quillox-test-browser.desktop\n");
        fs::create_directories(folder_ / "data" / "applications");
        std::ofstream(folder_ / "data" / "applications" / "quillox-test-browser.desktop")
            << "[Desktop Entry]\nName=Test\nExec=" << exec << "\n";
    }
    // Waits for the next program to record itself, and gives its line.
    std::string NextStarted() {
        const std::size_t seen = started_;
        WaitFor([&] { return ReadLines(record_).size() > seen; });
        const std::vector<std::string> lines = ReadLines(record_);
        started_ = lines.size();
        return lines.size() > seen ? lines[seen] : "nothing started";
    }

    fs::path record_;
    std::string savedPath_;
    std::size_t started_ = 0;
};

TEST_F(HelperTest, InternetAndHelpMenusStartTheirProgramsWithoutArguments) {
    prefs::Write(prefs::kMailProgFilePath, Program("mail"));
    prefs::Write(prefs::kTelnetFilePath, Program("telnet"));
    prefs::Write(prefs::kNewsProgFilePath, Program("news"));
    prefs::Write(prefs::kFtpFilePath, "ftp");  // a bare name is found on PATH
    Program("ftp");
    Frame()->LoadHelperPathCache();
    ASSERT_NE(OpenDocument(WriteFile("helpers.qxf", {{0, "card"}})), nullptr);
    EXPECT_TRUE(IsEnabled(cmd::kLaunchEmail));
    EXPECT_TRUE(IsEnabled(cmd::kHelpReader));

    const struct {
        int command;
        const char* started;
    } menus[] = {{cmd::kLaunchEmail, "mail 0"},
                 {cmd::kLaunchLogin, "telnet 0"},
                 {cmd::kLaunchNews, "news 0"},
                 {cmd::kLaunchFtp, "ftp 0"}};
    for (const auto& menu : menus) {
        SendCommand(menu.command);
        EXPECT_EQ(NextStarted(), menu.started);
    }

    // Paths set in Preferences count from OK on, and may carry arguments;
    // the print boxes, untouched, stay ticked.
    const std::string mail = Program("mail2") + " --flag \"two words\"";
    wxTEST_DIALOG(
        SendCommand(cmd::kPreferences),
        ExpectDialog<prefs::CPrefPropertySheet>([&](prefs::CPrefPropertySheet* sheet) {
            Control<wxTextCtrl>(*sheet, prefs::CPathSettingsRef::kMailAppPathId).ChangeValue(mail);
            return wxID_OK;
        }));
    SendCommand(cmd::kLaunchEmail);
    EXPECT_EQ(NextStarted(), "mail2 2");
    EXPECT_EQ(ReadLines(record_).back(), "two words");
    EXPECT_TRUE(Frame()->PrintNotes());
    EXPECT_TRUE(Frame()->PrintAtmCodes());
    EXPECT_EQ(prefs::Read(prefs::kPrintNotes), 1);
    EXPECT_EQ(prefs::Read(prefs::kPrintAtm), 1);

    // A program that cannot be started is named to the user.
    const std::string missing = (folder_ / "missing").string();
    const struct {
        std::string path;
        std::string message;
    } failures[] = {
        {"",
         "No program is set for this command. Set its path in Preferences, on the page "
         "\"Path Settings\"."},
        {missing, "The program \"" + missing + "\" could not be started."},
        {"faketelnet --flag", "The program \"faketelnet --flag\" could not be started."},
        {"\"unclosed", "The program \"\"unclosed\" could not be started."},
    };
    for (const auto& failure : failures) {
        prefs::Write(prefs::kTelnetFilePath, wxString::FromUTF8(failure.path));
        Frame()->LoadHelperPathCache();
        wxTEST_DIALOG(SendCommand(cmd::kLaunchLogin), ExpectError(failure.message));
    }

    // The PDF reader's path is read at each use.
    wxTEST_DIALOG(SendCommand(cmd::kHelpReader),
                  ExpectMessage("Acrobat Help Reader not installed, or path not set, go to "
                                "preferences - path settings."));
    prefs::Write(prefs::kHelpProgFilePath, Program("reader"));
    SendCommand(cmd::kHelpReader);
    EXPECT_EQ(NextStarted(), "reader 0");
}

TEST_F(HelperTest, LaunchWwwStartsTheChosenBrowserOrSaysWhichCouldNot) {
    // Netscape's place: its program, on its home page.
    prefs::Write(prefs::kChooseWebBrowser, 0);
    prefs::Write(prefs::kNetscapeFilePath, Program("netscape"));
    Frame()->LoadHelperPathCache();
    EXPECT_TRUE(IsEnabled(cmd::kLaunchBrowserTool));
    ClickTool(cmd::kLaunchBrowserTool);
    EXPECT_EQ(NextStarted(), "netscape 0");
    prefs::Write(prefs::kNetscapeFilePath, "");
    Frame()->LoadHelperPathCache();
    wxTEST_DIALOG(
        ClickTool(cmd::kLaunchBrowserTool),
        ExpectError("Could not start Netscape Navigator,application not found,please install."));

    // The default browser: as its desktop entry starts it, without the address.
    prefs::Write(prefs::kChooseWebBrowser, 1);
    Program("browser");
    SetDefaultBrowser("browser --new-window %u");
    ASSERT_NE(OpenDocument(WriteFile("www.qxf", {{0, "card"}})), nullptr);
    SendCommand(cmd::kLaunchWww);
    EXPECT_EQ(NextStarted(), "browser 1");
    EXPECT_EQ(ReadLines(record_).back(), "--new-window");
    started_ = ReadLines(record_).size();

    // Without one, the browser found at the first start.
    WriteTestProgram("xdg-settings", "exit 1\n");
    prefs::Write(prefs::kExplorerFilePath, Program("explorer"));
    Frame()->LoadHelperPathCache();
    SendCommand(cmd::kLaunchWww);
    EXPECT_EQ(NextStarted(), "explorer 0");
    prefs::Write(prefs::kExplorerFilePath, "");
    Frame()->LoadHelperPathCache();
    wxTEST_DIALOG(SendCommand(cmd::kLaunchWww), ExpectError("Could not start Internet Explorer"));
}

TEST_F(HelperTest, StartUpStartsTheChosenProgramsInOrderBeforeTheRecentFileOpens) {
    const std::string byPid = "echo \"$$ ${0##*/}\" >> '" + record_.string() + "'\n";
    for (const char* name : {"mail", "browser", "ftp", "telnet", "news"}) {
        WriteTestProgram(name, byPid);
    }
    SetDefaultBrowser("browser %u");
    const fs::path programs = TestProgramsFolder();
    prefs::Write(prefs::kMailProgFilePath, (programs / "mail").string());
    prefs::Write(prefs::kFtpFilePath, (programs / "ftp").string());
    prefs::Write(prefs::kTelnetFilePath, (programs / "telnet").string());
    prefs::Write(prefs::kNewsProgFilePath, (programs / "news").string());
    for (const prefs::IntSetting* launch :
         {&prefs::kLaunchEmail, &prefs::kLaunchWebBrowser, &prefs::kLaunchFtp,
          &prefs::kLaunchTelnet, &prefs::kLaunchNewsReader, &prefs::kCheckOpenFiles,
          &prefs::kFirstStartDone}) {
        prefs::Write(*launch, 1);
    }
    Frame()->LoadHelperPathCache();
    wxFileHistory* history = Manager()->GetFileHistory();
    history->AddFileToHistory(WriteFile("recent.qxe", {{0, "card"}}, "password1"));

    std::vector<std::string> startedBeforeOpen;
    wxTEST_DIALOG(
        static_cast<QuilloxApp*>(wxTheApp)->PerformStartUpChoices(),
        ExpectDialog<DecryptionPasswordDialog>([&](DecryptionPasswordDialog* dialog) {
            // The programs are on their way before the file is opened.
            const wxLongLong end = wxGetLocalTimeMillis() + 10000;
            while (ReadLines(record_).size() < 5 && wxGetLocalTimeMillis() < end) {
                wxMilliSleep(10);
            }
            startedBeforeOpen = ReadLines(record_);
            static_cast<wxTextCtrl*>(dialog->FindWindow(DecryptionPasswordDialog::kPasswordId))
                ->SetValue("password1");
            return wxID_OK;
        }));
    history->RemoveFileFromHistory(0);
    EXPECT_NE(ActiveDoc(), nullptr);

    // Processes get rising ids in the order they are made.
    std::sort(
        startedBeforeOpen.begin(), startedBeforeOpen.end(),
        [](const std::string& a, const std::string& b) { return std::stol(a) < std::stol(b); });
    std::vector<std::string> names;
    for (const std::string& line : startedBeforeOpen) {
        names.push_back(line.substr(line.find(' ') + 1));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"mail", "browser", "ftp", "telnet", "news"}));
}

TEST_F(HelperTest, TheFirstStartRecordsTheBrowsersFoundAndTheSecondDoesNotLookAgain) {
    // Only the stand-ins are on PATH, so no browser of the machine counts.
    const fs::path bin = folder_ / "bin";
    fs::create_directories(bin);
    quillox::testing::SetEnvironment("PATH", bin);
    const auto put = [&bin](const std::string& name, const std::string& body) {
        std::ofstream(bin / name) << "#!/bin/sh\n" << body;
        fs::permissions(bin / name, fs::perms::owner_all);
    };
    put("firefox", "exit 0\n");
    put("chromium", "exit 0\n");
    put("xdg-settings", "echo quillox-test-browser.desktop\n");
    SetDefaultBrowser("chromium %u");
    auto* app = static_cast<QuilloxApp*>(wxTheApp);

    prefs::Write(prefs::kChooseWebBrowser, 0);
    app->PerformStartUpChoices();
    EXPECT_EQ(prefs::Read(prefs::kExplorerFilePath), (bin / "chromium").string());
    EXPECT_EQ(prefs::Read(prefs::kNetscapeFilePath), (bin / "firefox").string());
    EXPECT_EQ(prefs::Read(prefs::kChooseWebBrowser), 1);
    EXPECT_EQ(prefs::Read(prefs::kFirstStartDone), 1);
    EXPECT_EQ(Frame()->GetHelperPaths().explorer, (bin / "chromium").string());

    fs::remove(bin / "chromium");
    prefs::Write(prefs::kChooseWebBrowser, 0);
    app->PerformStartUpChoices();
    EXPECT_EQ(prefs::Read(prefs::kExplorerFilePath), (bin / "chromium").string());
    EXPECT_EQ(prefs::Read(prefs::kChooseWebBrowser), 0);

    // No browser at all: the user is told, and the empty paths are recorded.
    wxConfigBase::Get()->DeleteAll();
    fs::remove_all(bin);
    fs::create_directories(bin);
    prefs::Write(prefs::kExplorerFilePath, "/old/browser");
    prefs::Write(prefs::kChooseWebBrowser, 0);
    wxTEST_DIALOG(app->PerformStartUpChoices(),
                  ExpectError("No Web Browsers are installed, please do so."));
    EXPECT_EQ(prefs::Read(prefs::kExplorerFilePath), "");
    EXPECT_EQ(prefs::Read(prefs::kChooseWebBrowser), 1);
}

TEST_F(HelperTest, HelpPagesOpenInTheBrowser) {
    WriteTestProgram("xdg-open", RecordingProgram(record_));
    ASSERT_NE(OpenDocument(WriteFile("help.qxf", {{0, "card"}})), nullptr);
    SendCommand(cmd::kHomePage);
    EXPECT_EQ(NextStarted(), "xdg-open 1");
    EXPECT_EQ(ReadLines(record_).back(), version::kHomePage);
    started_ = ReadLines(record_).size();

    // The toolbar's Read Help, also without a document: the guide beside the
    // program or in the build, else the home page where it is online.
    CloseAllQuietly();
    EXPECT_TRUE(IsEnabled(cmd::kOnlineDocumentation));
    ClickTool(cmd::kOnlineDocumentation);
    EXPECT_EQ(NextStarted(), "xdg-open 1");
    const std::string guide = ReadLines(record_).back();
    EXPECT_EQ(guide.rfind("file:///", 0), 0u) << guide;
    EXPECT_NE(guide.find("user-guide.html"), std::string::npos) << guide;

    const fs::path html = folder_ / "a b" / "user-guide.html";
    fs::create_directories(html.parent_path());
    std::ofstream(html) << "<html></html>";
    EXPECT_EQ(web::UserGuideAddress({(folder_ / "missing.html").string(),
                                     html.parent_path().string(), html.string()}),
              "file://" + (folder_ / "a%20b" / "user-guide.html").string());
    EXPECT_EQ(web::UserGuideAddress({(folder_ / "missing.html").string()}), std::nullopt);
}

}  // namespace
