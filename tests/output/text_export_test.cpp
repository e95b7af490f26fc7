#include "output/text_export.h"

#include <gtest/gtest.h>

#include <cstring>

#include "output/output_test_support.h"
#include "support/file_access.h"

namespace quillox::output {
namespace {

using testing::AddCard;

constexpr const char* kHeading = "Filename: cards.qxf\t04/05/2025\r\n\r\n";
constexpr const char* kRule = "======================\r\n\r\n";

// An empty section as the file shows it.
std::string Empty(const std::string& heading) {
    return heading + "\r\n\r\n" + kRule;
}

TEST(TextExport, EmptyCollectionWritesEverySectionInBarOrder) {
    const CardCollection collection;
    const std::string expected =
        std::string(kHeading) + Empty("WWW SITES") + Empty("WWW FORMS") + Empty("FTP SERVERS") +
        Empty("NEWSGROUPS") + Empty("LOGIN ACCOUNTS") + Empty("EMAIL ACCOUNTS") +
        Empty("BANK ACCOUNTS") + Empty("ONLINE BANKING") + Empty("CREDIT CARDS") +
        Empty("ATM/PIN CARDS") + Empty("PERSONAL DATA") + Empty("SOFTWARE KEYS") +
        Empty("SERIAL NUMBERS") + Empty("MEMBERSHIP NUMBERS") + Empty("MISCELLANEOUS");
    EXPECT_EQ(BuildTextExport(collection, "cards.qxf", "04/05/2025", {}), expected);

    // Without "Print ATM" the section goes, heading and rule included.
    std::string withoutAtm = expected;
    withoutAtm.erase(withoutAtm.find(Empty("ATM/PIN CARDS")), Empty("ATM/PIN CARDS").size());
    EXPECT_EQ(BuildTextExport(collection, "cards.qxf", "04/05/2025", {true, false}), withoutAtm);
}

// The bytes of one section within a whole export.
std::string Section(const std::string& text, const std::string& heading) {
    const std::size_t start = text.find(heading + "\r\n");
    const std::size_t end = text.find(kRule, start);
    return start == std::string::npos ? "" : text.substr(start, end + 26 - start);
}

TEST(TextExport, CardBlocksPadLabelsToTheCategoryWidth) {
    CardCollection collection;
    AddCard(collection, 12, {"Camera", "", "red", ""}, "a\nb");
    AddCard(collection, 7, {"First Bank", "12-34", "J. Doe", "0042"}, "one\r\ntwo");
    AddCard(collection, 7, {"Caf\xE9 \x80", "line\nbreak", "", ""});
    AddCard(collection, 9, {"Card", "Bank", "555", "1234"}, "pin note");
    const std::string text = BuildTextExport(collection, "cards.qxf", "04/05/2025", {});

    EXPECT_EQ(Section(text, "SERIAL NUMBERS"),
              "SERIAL NUMBERS\r\n\r\n"
              " Cardnumber: 1\r\n"
              " Name       Camera\r\n"
              " Home Page  \r\n"
              " Other      red\r\n"
              " Number     \r\n"
              " Note:      a\r\n"
              "            b\r\n"
              "\r\n"
              "======================\r\n\r\n");
    // W = 14; a stored CR LF is one line break, and so is a line feed in a
    // field; numbers count within the category; texts stay Windows-1252.
    EXPECT_EQ(Section(text, "BANK ACCOUNTS"),
              "BANK ACCOUNTS\r\n\r\n"
              " Cardnumber: 1\r\n"
              " Bank            First Bank\r\n"
              " Branch Number   12-34\r\n"
              " Account Holder  J. Doe\r\n"
              " Account Number  0042\r\n"
              " Note:           one\r\n"
              "                 two\r\n"
              "\r\n"
              " Cardnumber: 2\r\n"
              " Bank            Caf\xE9 \x80\r\n"
              " Branch Number   line\r\nbreak\r\n"
              " Account Holder  \r\n"
              " Account Number  \r\n"
              " Note:           \r\n"
              "\r\n"
              "======================\r\n\r\n");
    EXPECT_NE(Section(text, "ATM/PIN CARDS").find(" ATM/PIN Code      1234\r\n"),
              std::string::npos);

    const std::string plain =
        BuildTextExport(collection, "cards.qxf", "04/05/2025", {false, false});
    // Without notes a block has the number, the four values and the empty line.
    EXPECT_NE(plain.find(" Number     \r\n\r\n======"), std::string::npos);
    EXPECT_EQ(plain.find("ATM/PIN"), std::string::npos);
    EXPECT_EQ(plain.find("1234"), std::string::npos);
    EXPECT_EQ(plain.find("Note:"), std::string::npos);
}

TEST(TextExport, EveryLineBreakIsOneCrLf) {
    const struct {
        const char* note;
        const char* written;
    } cases[] = {
        {"a\r\nb\r\nc", "a\r\n            b\r\n            c\r\n"},
        {"a\nb", "a\r\n            b\r\n"},
        {"a\rb", "a\r\n            b\r\n"},
        {"a\r\n\r\nb", "a\r\n            \r\n            b\r\n"},
        {"a\r\n", "a\r\n            \r\n"},
        {"\r\n\n\r", "\r\n            \r\n            \r\n            \r\n"},
    };
    for (const auto& c : cases) {
        CardCollection collection;
        AddCard(collection, 12, {"Camera", "", "", ""}, c.note);
        const std::string text = BuildTextExport(collection, "t", "d", {});
        const std::string start = " Note:      ";
        const std::size_t note = text.find(start);
        ASSERT_NE(note, std::string::npos);
        EXPECT_EQ(text.substr(note + start.size(), std::strlen(c.written) + 2),
                  std::string(c.written) + "\r\n")
            << c.note;
    }
}

TEST(TextExport, HeadingTextsBecomeWindows1252) {
    const CardCollection collection;
    const std::string text =
        BuildTextExport(collection, "caf\xC3\xA9 \xD0\x9A.qxe", "4.5.2025 \xE2\x82\xAC", {});
    EXPECT_EQ(text.substr(0, text.find("WWW SITES")),
              "Filename: caf\xE9 ?.qxe\t4.5.2025 \x80\r\n\r\n");
}

class TextExportFile : public testing::TempFolderTest {};

TEST_F(TextExportFile, WritesOwnerOnlyAndReplacesTheWholeFile) {
    CardCollection collection;
    AddCard(collection, 0, {"site", "url", "me", "secret"});
    const std::string path = Path("export.txt");
    Write(path, std::string(100000, 'o'));
    quillox::testing::OpenToEveryone(path);
    std::string message;
    ASSERT_TRUE(ExportText(path, collection, "cards.qxf", "04/05/2025", {}, message)) << message;
    EXPECT_EQ(Read(path), BuildTextExport(collection, "cards.qxf", "04/05/2025", {}));
    EXPECT_TRUE(quillox::testing::OwnerOnly(path));
}

TEST_F(TextExportFile, FailuresKeepTheOldFileAndNameTheFullPath) {
    CardCollection collection;
    AddCard(collection, 0, {"site", "url", "me", std::string(100000, 's')});
    const std::string existing = Path("old.txt");
    Write(existing, "previous export");
    const std::string inFolder = Path("folder.txt");
    std::filesystem::create_directory(inFolder);
    const auto exportTo = [&](const std::string& path) {
        std::string message;
        EXPECT_FALSE(ExportText(path, collection, "t", "d", {}, message)) << path;
        return message;
    };

    const auto failed = [](const std::string& path, const std::string& reason) {
        return "The file " + path + " could not be written: " + reason + ".";
    };
    EXPECT_EQ(exportTo(inFolder), failed(inFolder, "Is a directory"));
    EXPECT_TRUE(std::filesystem::is_directory(inFolder));
    // The system's reason follows.
    for (const std::string& path : {Path("missing/out.txt"), existing + "/out.txt"}) {
        const std::string message = exportTo(path);
        const std::string start = "The file " + path + " could not be written: ";
        EXPECT_EQ(message.rfind(start, 0), 0u) << message;
        EXPECT_GT(message.size(), start.size() + 1) << message;
    }

    // A relative path is named in full.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    EXPECT_EQ(exportTo("folder.txt"), failed(inFolder, "Is a directory"));
    std::filesystem::current_path(before);

    EXPECT_EQ(Read(existing), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
}

}  // namespace
}  // namespace quillox::output
