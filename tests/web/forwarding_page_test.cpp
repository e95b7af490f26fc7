#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <random>

#include "web/forwarding_page.h"
#include "web/private_pages.h"

namespace quillox::web {
namespace {

namespace fs = std::filesystem;

// The text between the first start and the following end in page.
std::string Between(const std::string& page, const std::string& start, const std::string& end) {
    const std::size_t from = page.find(start);
    if (from == std::string::npos) {
        return "<missing>";
    }
    const std::size_t to = page.find(end, from + start.size());
    return page.substr(from + start.size(), to - from - start.size());
}

// An attribute's text read back as a browser reads it.
std::string HtmlUnescaped(const std::string& text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            plain += text[i];
            continue;
        }
        const std::size_t end = text.find(';', i);
        const std::string name = text.substr(i + 1, end - i - 1);
        plain += name == "amp"    ? '&'
                 : name == "lt"   ? '<'
                 : name == "gt"   ? '>'
                 : name == "quot" ? '"'
                                  : static_cast<char>(std::stoi(name.substr(1)));
        i = end;
    }
    return plain;
}

// A script string literal read back, for the escapes the page uses.
std::string ScriptUnescaped(const std::string& literal) {
    std::string plain;
    for (std::size_t i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '\\' && literal[i + 1] == 'u') {
            const int code = std::stoi(literal.substr(i + 2, 4), nullptr, 16);
            plain += code == 0x2028   ? "\xE2\x80\xA8"
                     : code == 0x2029 ? "\xE2\x80\xA9"
                                      : std::string(1, static_cast<char>(code));
            i += 5;
        } else {
            plain += literal[i];
        }
    }
    return plain;
}

TEST(ForwardingPage, TellsWhichAddressesCarryCredentials) {
    struct Case {
        const char* address;
        bool credentials;
        bool forwardable;
    };
    const Case cases[] = {
        {"http://me:pw@example.com/", true, true},
        {"HTTPS://me@example.com", true, true},
        {"ftp://u:p@h/f", true, true},
        {"telnet://u:p@h", true, true},
        {"http://example.com/a@b", false, true},
        {"http://example.com?x=a@b", false, true},
        {"http://example.com#a@b", false, true},
        {"http://example.com\\@evil", false, true},
        {"mailto:me@example.com", false, false},
        {"javascript://me@x%0Aalert(1)", true, false},
        {"x y://a@b", false, false},
        {"://a@b", false, false},
        {"1http://a@b", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CarriesCredentials(c.address), c.credentials) << c.address;
        EXPECT_EQ(IsForwardable(c.address), c.forwardable) << c.address;
    }
}

TEST(ForwardingPage, EveryPlaceHoldsTheAddressExactlyAndNothingEscapesIt) {
    const std::string hostile[] = {
        "http://me:pw@example.com/path", "http://a:\"'><script>alert(1)</script>@h/",
        "http://a:b&amp;c@h/?x=1&y=2",   "http://a:b\\\"c@h/</script><!--",
        "http://a:b\nc\r\t@h/",          "http://a:\xE2\x80\xA8\xE2\x80\xA9\xC3\xA9@h/",
        "http://a:${x}`y`@h/",
    };
    for (const std::string& address : hostile) {
        SCOPED_TRACE(address);
        const std::string page = ForwardingPage(address);
        EXPECT_EQ(HtmlUnescaped(Between(page, "content=\"0;url=", "\"")), address);
        EXPECT_EQ(HtmlUnescaped(Between(page, "<a href=\"", "\"")), address);
        const std::string literal = Between(page, "replace(", ");</script>");
        EXPECT_EQ(ScriptUnescaped(literal), address);
        // Only the delimiting quotes; no line end, markup or template start.
        EXPECT_EQ(literal.find_first_of("\"'<>&\n\r`", 1), literal.size() - 1) << literal;
        EXPECT_EQ(literal.find("\xE2\x80\xA8"), std::string::npos);
        // The page's own structure is intact.
        EXPECT_EQ(page.find("<script>"), page.rfind("<script>"));
        EXPECT_EQ(page.find("</script>"), page.rfind("</script>"));
    }
}

TEST(ForwardingPage, FileAddressesEncodeAllButPlainCharacters) {
    EXPECT_EQ(FileAddress("/run/user/1000/quillox-pages/page-ab1.html"),
              "file:///run/user/1000/quillox-pages/page-ab1.html");
    EXPECT_EQ(FileAddress("/home/a b/%#?\xC3\xA9"), "file:///home/a%20b/%25%23%3F%C3%A9");
}

TEST(PrivatePages, FolderPrefersMemoryThenTheCache) {
    const fs::path runtime =
        fs::temp_directory_path() / ("quillox-runtime-" + std::to_string(std::random_device()()));
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    EXPECT_EQ(PrivatePagesFolder(runtime.c_str(), "/c", "/h"),
              (runtime / "quillox-pages").string());
    // A runtime folder others may write to, or none, is passed over.
    fs::permissions(runtime, fs::perms::owner_all | fs::perms::group_write);
    EXPECT_EQ(PrivatePagesFolder(runtime.c_str(), "/c", "/h"), "/c/quillox/pages");
    fs::remove(runtime);
    EXPECT_EQ(PrivatePagesFolder("/tmp", "/c", "/h"), "/c/quillox/pages");
    EXPECT_EQ(PrivatePagesFolder(runtime.c_str(), "/c", "/h"), "/c/quillox/pages");
    EXPECT_EQ(PrivatePagesFolder("relative", "/c", "/h"), "/c/quillox/pages");
    EXPECT_EQ(PrivatePagesFolder(nullptr, "", "/h"), "/h/.cache/quillox/pages");
    EXPECT_EQ(PrivatePagesFolder(nullptr, nullptr, nullptr), "");
}

class PrivatePagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            fs::temp_directory_path() / ("quillox-pages-" + std::to_string(std::random_device()()));
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    static unsigned Mode(const fs::path& path) {
        struct stat status {};
        return lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 01000000;
    }

    fs::path root_;
};

TEST_F(PrivatePagesTest, PagesAreTheUsersAloneInAFolderOfTheirOwn) {
    const fs::path folder = root_ / "a" / "pages";
    std::string error;
    const std::optional<std::string> page = WritePrivatePage(folder, "<p>text</p>", error);
    ASSERT_TRUE(page) << error;
    EXPECT_EQ(fs::path(*page).parent_path(), folder);
    EXPECT_EQ(Mode(*page), 0600u);
    EXPECT_EQ(Mode(folder), 0700u);
    std::ifstream file(*page);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "<p>text</p>");
    // A second page never reuses a name.
    EXPECT_NE(WritePrivatePage(folder, "x", error), page);

    // A folder others may enter is closed to them first.
    fs::permissions(folder, fs::perms::all);
    EXPECT_TRUE(WritePrivatePage(folder, "x", error)) << error;
    EXPECT_EQ(Mode(folder), 0700u);
}

TEST_F(PrivatePagesTest, ALinkOrAFileOrAStrangersFolderIsRefused) {
    fs::create_directories(root_ / "real");
    fs::create_directory_symlink(root_ / "real", root_ / "link");
    std::ofstream(root_ / "file") << "x";
    for (const char* name : {"link", "file"}) {
        std::string error;
        EXPECT_FALSE(WritePrivatePage(root_ / name, "secret", error)) << name;
        EXPECT_NE(error, "") << name;
    }
    EXPECT_TRUE(fs::is_empty(root_ / "real"));
    std::string error;
    EXPECT_FALSE(WritePrivatePage("", "secret", error));
    EXPECT_FALSE(WritePrivatePage("relative", "secret", error));

    if (geteuid() != 0) {
        GTEST_SKIP() << "a folder of another user needs root to be made";
    }
    fs::create_directories(root_ / "theirs");
    ASSERT_EQ(chown((root_ / "theirs").c_str(), 65534, 65534), 0);
    EXPECT_FALSE(WritePrivatePage(root_ / "theirs", "secret", error));
    EXPECT_EQ(error, (root_ / "theirs").string() + " belongs to another user.");
    EXPECT_TRUE(fs::is_empty(root_ / "theirs"));
}

TEST_F(PrivatePagesTest, StalePagesGoOthersStay) {
    std::string error;
    const std::string old = WritePrivatePage(root_, "old", error).value_or("");
    const std::string fresh = WritePrivatePage(root_, "new", error).value_or("");
    std::ofstream(root_ / "notes.txt") << "mine";
    fs::last_write_time(old, fs::last_write_time(old) - std::chrono::minutes(5));
    fs::last_write_time(root_ / "notes.txt",
                        fs::last_write_time(root_ / "notes.txt") - std::chrono::minutes(5));
    RemoveStalePages(root_, std::chrono::seconds(61));
    EXPECT_FALSE(fs::exists(old));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(root_ / "notes.txt"));
}

}  // namespace
}  // namespace quillox::web
