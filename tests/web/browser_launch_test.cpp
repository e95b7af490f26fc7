#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>

#include "web/browser_detection.h"
#include "web/desktop_entry.h"
#include "web/launch_arguments.h"

namespace quillox::web {
namespace {

namespace fs = std::filesystem;
using Argv = std::optional<ArgumentVector>;

TEST(DesktopEntry, ExecSplitsUnquotesAndExpandsFieldCodes) {
    const std::string entry =
        "# comment\n"
        "[Desktop Action new-window]\nExec=wrong --new-window %u\n"
        "[Desktop Entry]\nName=Browser\nExec[de]=wrong\n"
        "Exec = \"/opt/my browser/bin\" --class=\"a \\\\\"b\\\\\"\" %U --icon=%i %%x --x=%u\r\n"
        "[Other]\nExec=wrong\n";
    EXPECT_EQ(DesktopEntryCommand(entry, "http://h/?a b"),
              (Argv{{"/opt/my browser/bin", "--class=a \"b\"", "http://h/?a b", "--icon=", "%x",
                     "--x=http://h/?a b"}}));
    EXPECT_EQ(DesktopEntryCommand(entry, std::nullopt),
              (Argv{{"/opt/my browser/bin", "--class=a \"b\"", "--icon=", "%x", "--x="}}));

    struct Case {
        const char* exec;
        Argv command;
    };
    const Case cases[] = {
        {"firefox %u", Argv{{"firefox"}}},
        {"env MOZ_X=1 firefox-esr %u", Argv{{"env", "MOZ_X=1", "firefox-esr"}}},
        {"\"my\\sbrowser\"  --flag\t%F", Argv{{"my browser", "--flag"}}},
        {"my\\sbrowser", Argv{{"my", "browser"}}},
        {"\"unterminated %u", std::nullopt},
        {"%u", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exec);
        EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nExec=" + std::string(c.exec), {}),
                  c.command);
    }
    EXPECT_EQ(DesktopEntryCommand("[Desktop Entry]\nName=x\n", {}), std::nullopt);
    EXPECT_EQ(DesktopEntryCommand("Exec=outside a group\n", {}), std::nullopt);
}

TEST(DesktopEntry, HelperPathsSplitAsExecLinesWithoutFieldCodes) {
    struct Case {
        const char* path;
        Argv command;
    };
    const Case cases[] = {
        {"faketelnet --flag", Argv{{"faketelnet", "--flag"}}},
        {"/usr/bin/mutt  -F \"/home/me/my muttrc\"",
         Argv{{"/usr/bin/mutt", "-F", "/home/me/my muttrc"}}},
        {"\"C:\\Program Files\\Mail\\mail.exe\" /new",
         Argv{{"C:\\Program Files\\Mail\\mail.exe", "/new"}}},
        {"\"say \\\"hi\\\" \\\\ \\$HOME\"", Argv{{"say \"hi\" \\ $HOME"}}},
        {"news %u %%", Argv{{"news", "%"}}},
        {"\"unclosed", std::nullopt},
        {"   ", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitExecCommand(c.path), c.command) << c.path;
    }
}

TEST(DesktopEntry, DefaultBrowserIdAndWhereItsEntryIs) {
    EXPECT_EQ(DefaultBrowserEntryId("firefox-esr.desktop\n"), "firefox-esr.desktop");
    for (const char* odd : {"", "\n", "firefox", ".desktop", "../x.desktop", "a b.desktop",
                            "xdg-settings: unknown desktop environment\n"}) {
        EXPECT_EQ(DefaultBrowserEntryId(odd), std::nullopt) << odd;
    }

    EXPECT_EQ(DesktopEntryCandidates("b.desktop", nullptr, "/home/u", nullptr),
              (std::vector<std::string>{"/home/u/.local/share/applications/b.desktop",
                                        "/usr/local/share/applications/b.desktop",
                                        "/usr/share/applications/b.desktop"}));
    EXPECT_EQ(DesktopEntryCandidates("b.desktop", "/data/", "/home/u", "rel::/opt/share/"),
              (std::vector<std::string>{"/data/applications/b.desktop",
                                        "/opt/share/applications/b.desktop"}));
    EXPECT_EQ(DesktopEntryCandidates("b.desktop", "relative", nullptr, ""),
              (std::vector<std::string>{"/usr/local/share/applications/b.desktop",
                                        "/usr/share/applications/b.desktop"}));

    const fs::path folder =
        fs::temp_directory_path() / ("quillox-entry-" + std::to_string(std::random_device()()));
    fs::create_directories(folder / "dir.desktop");
    std::ofstream(folder / "b.desktop") << "[Desktop Entry]\nExec=b\n";
    EXPECT_EQ(
        ReadFirstDesktopEntry({(folder / "missing.desktop").string(),
                               (folder / "dir.desktop").string(), (folder / "b.desktop").string()}),
        "[Desktop Entry]\nExec=b\n");
    EXPECT_EQ(ReadFirstDesktopEntry({(folder / "missing.desktop").string()}), std::nullopt);
    fs::remove_all(folder);
}

TEST(BrowserDetection, DefaultBrowserFirstThenTheUsualOnesOnPath) {
    const std::set<std::string> installed = {"/usr/bin/firefox", "/usr/bin/chromium",
                                             "/opt/b/vivaldi", "/usr/bin/xdg-open",
                                             "/home/u/bin/epiphany"};
    const ExecutableTest isExecutable = [&](const std::string& path) {
        return installed.count(path) > 0;
    };
    const std::string path = "relative/bin::/usr/bin/:/opt/b:/home/u/bin";

    EXPECT_EQ(FindProgram("xdg-open", path, isExecutable), "/usr/bin/xdg-open");
    EXPECT_EQ(FindProgram("vivaldi", path, isExecutable), "/opt/b/vivaldi");
    EXPECT_EQ(FindProgram("/opt/b/vivaldi", "", isExecutable), "/opt/b/vivaldi");
    EXPECT_EQ(FindProgram("b/vivaldi", "/opt", isExecutable), "");
    EXPECT_EQ(FindProgram("missing", path, isExecutable), "");
    EXPECT_EQ(CommandProgram({"env", "-u", "X", "A=1", "vivaldi", "%u"}), "vivaldi");

    struct Case {
        ArgumentVector defaultCommand;
        std::string searchPath;
        std::string explorer;
        std::string netscape;
    };
    const Case cases[] = {
        {{"vivaldi", "--x"}, path, "/opt/b/vivaldi", "/usr/bin/firefox"},
        {{"/usr/bin/env", "A=1", "chromium"}, path, "/usr/bin/chromium", "/usr/bin/firefox"},
        {{"firefox"}, path, "/usr/bin/firefox", "/usr/bin/chromium"},
        {{}, path, "/usr/bin/firefox", "/usr/bin/chromium"},
        {{"gone-browser"}, path, "/usr/bin/firefox", "/usr/bin/chromium"},
        {{"vivaldi"}, "/opt/b", "/opt/b/vivaldi", ""},
        {{}, "/home/u/bin", "/home/u/bin/epiphany", ""},
        {{}, "/nowhere", "", ""},
    };
    for (const Case& c : cases) {
        const DetectedBrowsers found = DetectBrowsers(c.defaultCommand, c.searchPath, isExecutable);
        EXPECT_EQ(found.explorerPath, c.explorer);
        EXPECT_EQ(found.netscapePath, c.netscape);
        EXPECT_EQ(found.Found(), !c.explorer.empty());
    }
}

TEST(BrowserDetection, OnDiskOnlyRegularFilesTheUserMayRunCount) {
    const fs::path folder =
        fs::temp_directory_path() / ("quillox-exec-" + std::to_string(std::random_device()()));
    fs::create_directories(folder / "firefox");
    std::ofstream(folder / "chromium") << "#!/bin/sh\n";
    std::ofstream(folder / "vivaldi") << "#!/bin/sh\n";
    fs::permissions(folder / "chromium", fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder / "vivaldi", fs::perms::owner_all);
    const DetectedBrowsers found = DetectBrowsers({}, folder.string(), IsExecutableFile);
    EXPECT_EQ(found.explorerPath, (folder / "vivaldi").string());
    EXPECT_EQ(found.netscapePath, "");
    fs::remove_all(folder);
}

TEST(LaunchArguments, AnAddressIsOneArgumentAndNeverAnOption) {
    EXPECT_EQ(RouteOfChoice(0), BrowserRoute::kChosenProgram);
    EXPECT_EQ(RouteOfChoice(7), BrowserRoute::kDefaultBrowser);

    EXPECT_EQ(ProgramArguments("/usr/bin/xdg-open", "http://a/b c;rm -rf ~"),
              (Argv{{"/usr/bin/xdg-open", "http://a/b c;rm -rf ~"}}));
    EXPECT_EQ(ProgramArguments("/usr/bin/mutt"), (Argv{{"/usr/bin/mutt"}}));
    EXPECT_EQ(ProgramArguments("", "http://a/"), std::nullopt);
    EXPECT_EQ(ProgramArguments(""), std::nullopt);
    EXPECT_EQ(ProgramArguments("/usr/bin/firefox", "--headless"), std::nullopt);
    EXPECT_EQ(ProgramArguments("/usr/bin/firefox", ""), std::nullopt);

    const Argv desktop = Argv{{"flatpak", "run", "org.mozilla.firefox"}};
    EXPECT_EQ(LaunchWwwArguments(BrowserRoute::kChosenProgram, "/opt/nav", desktop, "/x"),
              (Argv{{"/opt/nav"}}));
    EXPECT_EQ(LaunchWwwArguments(BrowserRoute::kChosenProgram, "", desktop, "/x"), std::nullopt);
    EXPECT_EQ(LaunchWwwArguments(BrowserRoute::kDefaultBrowser, "/opt/nav", desktop, "/x"),
              desktop);
    EXPECT_EQ(LaunchWwwArguments(BrowserRoute::kDefaultBrowser, "/opt/nav", std::nullopt, "/x"),
              (Argv{{"/x"}}));
    EXPECT_EQ(LaunchWwwArguments(BrowserRoute::kDefaultBrowser, "/opt/nav", std::nullopt, ""),
              std::nullopt);
}

}  // namespace
}  // namespace quillox::web
