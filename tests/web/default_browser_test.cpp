#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "web/default_browser.h"
#include "web/program_output.h"

namespace quillox::web {
namespace {

namespace fs = std::filesystem;

class DefaultBrowserTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quillox-default-browser-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_ / "bin");
        fs::create_directories(folder_ / "data" / "applications");
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Script(const std::string& name, const std::string& body) {
        const fs::path path = folder_ / "bin" / name;
        std::ofstream(path) << "#!/bin/sh\n" << body;
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }
    void Entry(const std::string& id, const std::string& text) {
        std::ofstream(folder_ / "data" / "applications" / id) << text;
    }
    std::optional<ArgumentVector> Command(std::optional<std::string_view> url) {
        const std::string bin = (folder_ / "bin").string();
        const std::string data = (folder_ / "data").string();
        return DefaultBrowserCommand(url, bin, data.c_str(), "/nonexistent", "/nonexistent");
    }

    fs::path folder_;
};

TEST_F(DefaultBrowserTest, ProgramOutputIsWhatASuccessfulProgramPrintsInTime) {
    EXPECT_EQ(ProgramOutput({Script("ok", "echo \"$1\"; echo oops >&2\n"), "a b"}, 5000), "a b\n");
    EXPECT_EQ(ProgramOutput({Script("fails", "echo half; exit 2\n")}, 5000), std::nullopt);
    EXPECT_EQ(ProgramOutput({"ok"}, 5000), std::nullopt);
    EXPECT_EQ(ProgramOutput({(folder_ / "bin" / "missing").string()}, 5000), std::nullopt);
    EXPECT_EQ(ProgramOutput({}, 5000), std::nullopt);
    EXPECT_EQ(ProgramOutput({Script("big", "head -c 100000 /dev/zero\n")}, 5000)->size(),
              64u * 1024);

    // A program that does not end in time is killed, even one that closed its output.
    for (const char* body : {"exec sleep 30\n", "exec sleep 30 >/dev/null\n"}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ProgramOutput({Script("slow", body)}, 200), std::nullopt) << body;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << body;
    }
}

TEST_F(DefaultBrowserTest, TheEntryXdgSettingsNamesGivesTheCommand) {
    EXPECT_EQ(Command("http://a/"), std::nullopt);  // no xdg-settings

    const std::string browser = Script("my-browser", "exit 0\n");
    Script("xdg-settings", "[ \"$1 $2\" = 'get default-web-browser' ] && echo test.desktop\n");
    Entry("test.desktop", "[Desktop Entry]\nExec=my-browser --new-window %u\n");
    EXPECT_EQ(Command("http://a/"), (ArgumentVector{browser, "--new-window", "http://a/"}));
    EXPECT_EQ(Command(std::nullopt), (ArgumentVector{browser, "--new-window"}));

    // An entry whose program is not installed, or no entry at all, gives nothing.
    Entry("test.desktop", "[Desktop Entry]\nExec=not-installed %u\n");
    EXPECT_EQ(Command(std::nullopt), std::nullopt);
    fs::remove(folder_ / "data" / "applications" / "test.desktop");
    EXPECT_EQ(Command(std::nullopt), std::nullopt);
}

}  // namespace
}  // namespace quillox::web
