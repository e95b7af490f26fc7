#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_fixture.h"
#include "support/environment.h"
#include "support/file_access.h"

namespace quillox::cli {
namespace {

class NoTerminal : public PasswordSource {
  public:
    std::optional<SecretString> Read(const std::string&) override { return std::nullopt; }
    bool Interactive() const override { return false; }
};

class ExportCommandTest : public CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        // The heading's date in the C locale's short form, whatever the machine's.
        testing::SetEnvironment("LC_ALL", "C");
    }
    void TearDown() override {
        testing::UnsetEnvironment("LC_ALL");
        CliTest::TearDown();
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // An export writes nothing to standard output, and asks no one.
    static CliRun Call(const std::vector<std::string>& args, const std::string& input = "") {
        std::ostringstream out;
        NoTerminal terminal;
        CliRun run = CallWith(args, out, terminal, input);
        EXPECT_EQ(out.str(), "");
        return run;
    }

    // Cards in three categories, a deleted card and an ATM/PIN card.
    static Bytes Cards() {
        Bytes cards;
        AppendCard(cards,
                   RawCard{4, 2, 4, 0, 17, {"Bank \x80", "https://bank", "me", "pin", "a\r\nb"}});
        AppendCard(cards, RawCard{5, 0, 0, 0, 0, {"shell", "host", "root", "toor", ""}});
        AppendCard(cards, RawCard{5, 0, 0, 0, 0, {"second", "", "", "", ""}});
        AppendCard(cards, RawCard{7, 0, 2, 0, 0, {"closed", "", "", "", ""}});
        AppendCard(cards, RawCard{9, 0, 0, 0, 0, {"Card", "Bank", "555", "1234", "at home"}});
        return cards;
    }
};

// Today in the short form of the locale the environment selects: LC_ALL on
// POSIX systems, the user's regional settings on Windows.
std::string Today() {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "");
    const std::time_t now = std::time(nullptr);
    char buffer[64];
    const std::string today(buffer,
                            std::strftime(buffer, sizeof buffer, "%x", std::localtime(&now)));
    std::setlocale(LC_ALL, previous.c_str());
    return today;
}

std::string Section(const std::string& heading, const std::string& cards = "") {
    return heading + "\r\n\r\n" + cards + "======================\r\n\r\n";
}

TEST_F(ExportCommandTest, TextExportOfAFileByTheIndependentWriter) {
    Bytes image = testing::FileHeader(6, 0, 0);
    const Bytes cards = Cards();
    image.insert(image.end(), cards.begin(), cards.end());
    const std::string file = WriteFile("sample.qxf", image);
    const std::string out = Path("sample.txt");
    CliRun run = Call({"export", file, out, "--text"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const std::string login =
        " Cardnumber: 1\r\n"
        " Name      shell\r\n"
        " Host      host\r\n"
        " Login     root\r\n"
        " Password  toor\r\n"
        " Note:     \r\n"
        "\r\n"
        " Cardnumber: 2\r\n"
        " Name      second\r\n"
        " Host      \r\n"
        " Login     \r\n"
        " Password  \r\n"
        " Note:     \r\n"
        "\r\n";
    const std::string banking =
        " Cardnumber: 1\r\n"
        " Bank      Bank \x80\r\n"
        " URL       https://bank\r\n"
        " User ID   me\r\n"
        " Password  pin\r\n"
        " Note:     a\r\n"
        "           b\r\n"
        "\r\n";
    const std::string atm =
        " Cardnumber: 1\r\n"
        " Name              Card\r\n"
        " Bank              Bank\r\n"
        " Telephone Number  555\r\n"
        " ATM/PIN Code      1234\r\n"
        " Note:             at home\r\n"
        "\r\n";
    const std::string before =
        "Filename: sample.qxf\t" + Today() + "\r\n\r\n" + Section("WWW SITES") +
        Section("WWW FORMS") + Section("FTP SERVERS") + Section("NEWSGROUPS") +
        Section("LOGIN ACCOUNTS", login) + Section("EMAIL ACCOUNTS") + Section("BANK ACCOUNTS") +
        Section("ONLINE BANKING", banking) + Section("CREDIT CARDS");
    const std::string after = Section("PERSONAL DATA") + Section("SOFTWARE KEYS") +
                              Section("SERIAL NUMBERS") + Section("MEMBERSHIP NUMBERS") +
                              Section("MISCELLANEOUS");
    EXPECT_EQ(Read(out), before + Section("ATM/PIN CARDS", atm) + after);
    EXPECT_TRUE(testing::OwnerOnly(out));

    // Notes and the ATM/PIN section dropped on request, under another title.
    run = Call({"export", file, out, "--no-atm", "--text", "--no-notes", "--title", "Mine"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = Read(out);
    EXPECT_EQ(text.rfind("Filename: Mine\t", 0), 0u);
    EXPECT_EQ(text.find("Note:"), std::string::npos);
    EXPECT_EQ(text.find("ATM/PIN"), std::string::npos);
    EXPECT_NE(text.find(" Password  pin\r\n\r\n======"), std::string::npos);
}

TEST_F(ExportCommandTest, XmlExportOfAnEncryptedFile) {
    const std::string password = "longpassword";
    Bytes plaintext = testing::Digest(password);
    const Bytes cards = Cards();
    plaintext.insert(plaintext.end(), cards.begin(), cards.end());
    Bytes image = testing::FileHeader(6, 1, 0);
    const Bytes payload = testing::EncryptPayload(plaintext, password, StartTables::Standard);
    image.insert(image.end(), payload.begin(), payload.end());
    const std::string file = WriteFile("locked.qxe", image);
    const std::string out = Path("locked.xml");

    CliRun run = Call({"export", file, out, "--xml", "--password-stdin"}, "wrong password\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Password not correct, please try again.\nFailed to open document.\n");
    EXPECT_FALSE(fs::exists(out));

    run = Call({"export", file, out, "--xml", "--password-stdin", "--title", "My Cards"},
               password + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = Read(out);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4));
    xmlDoc* document = xmlReadFile(out.c_str(), nullptr, XML_PARSE_NONET);
    ASSERT_NE(document, nullptr);
    const xmlNode* root = xmlDocGetRootElement(document);
    EXPECT_STREQ(reinterpret_cast<const char*>(root->name), "My_Cards");
    std::vector<std::string> names;
    for (const xmlNode* card = root->children; card; card = card->next) {
        xmlChar* name = xmlGetProp(card, BAD_CAST "Name");
        names.push_back(reinterpret_cast<const char*>(name));
        xmlFree(name);
    }
    xmlFreeDoc(document);
    EXPECT_EQ(names, (std::vector<std::string>{"shell", "second", "Bank \xE2\x82\xAC", "Card"}));
}

TEST_F(ExportCommandTest, FailuresKeepFilesAndUsageErrorsExitWithTwo) {
    Bytes image = testing::FileHeader(6, 0, 0);
    const Bytes cards = Cards();
    image.insert(image.end(), cards.begin(), cards.end());
    const std::string file = WriteFile("sample.qxf", image);
    const std::string folder = Path("folder.txt");
    fs::create_directory(folder);

    CliRun run = Call({"export", file, folder, "--text"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The file " + folder + " could not be written: Is a directory.\n");
    run = Call({"export", file, folder, "--xml"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "The file " + folder + " could not be written: Is a directory.\n");

    // Exporting over the data file itself would lose every card.
    run = Call({"export", file, folder_.string() + "/./sample.qxf", "--text"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Refusing to export over the data file " + file + " itself.\n");
    EXPECT_EQ(Read(file), std::string(image.begin(), image.end()));

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"export", file, Path("x")},
          {"export", file, Path("x"), "--text", "--xml"},
          {"export", file, "--text"},
          {"export", file, Path("x"), "--text", "--title"},
          {"export", file, Path("x"), "--text", "--json"},
          {"show", file, "--no-notes"},
          {"convert", file, Path("x"), "--plain", "--title", "t"}}) {
        run = Call(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(Path("x")));
}

}  // namespace
}  // namespace quillox::cli
