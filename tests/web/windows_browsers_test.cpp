#include "web/windows_browsers.h"

#include <gtest/gtest.h>

namespace quillox::web {
namespace {

TEST(WindowsBrowsers, ProgramOfACommandLine) {
    const struct {
        const char* command;
        const char* program;
    } cases[] = {
        {R"("C:\Program Files\Mozilla Firefox\firefox.exe" -osint -url "%1")",
         R"(C:\Program Files\Mozilla Firefox\firefox.exe)"},
        {R"(C:\Program Files\Internet Explorer\iexplore.exe %1)",
         R"(C:\Program Files\Internet Explorer\iexplore.exe)"},
        {R"(C:\Browsers\Opera.EXE)", R"(C:\Browsers\Opera.EXE)"},
        {"  winebrowser %1", "winebrowser"},
        {R"("C:\unterminated)", R"(C:\unterminated)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgramOfWindowsCommand(c.command), c.program) << c.command;
    }
}

TEST(WindowsBrowsers, InternetExplorerFirstThenTheDefaultBrowser) {
    const std::string ie = R"(C:\IE\iexplore.exe)";
    const std::string edge = R"(C:\Edge\msedge.exe)";
    const std::string firefox = R"(C:\Firefox\firefox.exe)";
    const struct {
        WindowsBrowserRecords records;
        std::string explorer;
        std::string netscape;
    } cases[] = {
        {{"\"" + ie + "\"", R"(C:\NS\Netscape.exe)", "", {edge}}, ie, R"(C:\NS\Netscape.exe)"},
        {{ie, std::nullopt, "\"" + firefox + "\" -url %1", {edge, firefox}}, ie, edge},
        // No Internet Explorer: the default browser, and another beside it.
        {{std::nullopt, std::nullopt, "\"" + firefox + "\" -url %1", {edge, firefox}},
         firefox,
         edge},
        {{std::string(), std::nullopt, "", {R"(C:\FIREFOX\FIREFOX.EXE)", firefox, edge}},
         R"(C:\FIREFOX\FIREFOX.EXE)",
         edge},
        {{std::nullopt, std::nullopt, "", {}}, "", ""},
    };
    for (const auto& c : cases) {
        const DetectedBrowsers found = ChooseWindowsBrowsers(c.records);
        EXPECT_EQ(found.explorerPath, c.explorer);
        EXPECT_EQ(found.netscapePath, c.netscape);
    }
}

}  // namespace
}  // namespace quillox::web
