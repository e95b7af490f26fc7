#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "store/password_generator.h"
#include "store/text_codec.h"

namespace quillox::cli {
namespace {

TEST_F(CliTest, ShowJsonListsEveryCategoryWithUtf8Texts) {
    const CliRun run = Call({"show", SampleFile(), "--json", "--date-format", "4"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    // Written card by card, laid out as a dump of the whole would be.
    EXPECT_EQ(nlohmann::ordered_json::parse(run.out).dump(2) + "\n", run.out);
    EXPECT_EQ(json["format"], "current");
    EXPECT_EQ(json["encrypted"], false);
    EXPECT_EQ(json["header_version"], 6);
    EXPECT_EQ(json["carried_header_value"], 0xCAFE);
    ASSERT_EQ(json["categories"].size(), 15u);
    const auto& banking = json["categories"][4];
    EXPECT_EQ(banking["id"], 4);
    EXPECT_EQ(banking["name"], "Online Banking");
    EXPECT_EQ(banking["labels"], nlohmann::json({"Bank", "URL", "User ID", "Password"}));
    ASSERT_EQ(banking["cards"].size(), 1u);
    const auto& card = banking["cards"][0];
    EXPECT_EQ(card["field1"], "Bank \xE2\x82\xAC");
    EXPECT_EQ(card["note"], "a\r\nb");
    EXPECT_EQ(card["attribute_flags"], 2);
    EXPECT_EQ(card["state_flags"], 4);
    EXPECT_EQ(card["modified"], 3000000000u);
    EXPECT_EQ(card["record_tag"], 17);
    EXPECT_EQ(card["category_text"], "");
    EXPECT_EQ(card["modified_text"], FormatCardDate(3000000000u, 4));
    ASSERT_EQ(json["deleted"].size(), 1u);
    EXPECT_EQ(json["deleted"][0]["category_id"], 7);

    // Texts that JSON escapes, and bytes of the code page's odd corners.
    const std::string odd = "q\"b\\s\x01\x1f\b\f\n\t\x7f\x81\x9d\xff/";
    Bytes image = testing::FileHeader(6, 0, 0);
    AppendCard(image, RawCard{2, 0, 0, 0, 0, {odd, "", "", "", ""}});
    const CliRun escaped = Call({"show", WriteFile("odd.qxf", image), "--json"});
    ASSERT_EQ(escaped.status, 0) << escaped.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(escaped.out).dump(2) + "\n", escaped.out);
    EXPECT_EQ(nlohmann::json::parse(escaped.out)["categories"][2]["cards"][0]["field1"],
              Cp1252ToUtf8(odd));
}

TEST_F(CliTest, ShowTextFollowsTheDisplayOrder) {
    const CliRun run = Call({"show", SampleFile()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t login = run.out.find("== Login Accounts (1 card) ==");
    const std::size_t banking = run.out.find("== Online Banking (1 card) ==");
    ASSERT_NE(login, std::string::npos) << run.out;
    ASSERT_NE(banking, std::string::npos);
    EXPECT_LT(login, banking);
    EXPECT_EQ(run.out.find("Account Number"), std::string::npos);
    EXPECT_NE(run.out.find("Deleted cards (1 card)"), std::string::npos);
    EXPECT_NE(run.out.find("  Bank: Bank \xE2\x82\xAC"), std::string::npos);
}

TEST_F(CliTest, ConvertEncryptsKeepsTheHeaderValueAndReadsBack) {
    const std::string encrypted = Path("secret.qxe");
    CliRun run = Call({"convert", SampleFile(), encrypted, "--encrypt", "--password-stdin"},
                      "S\xC3\xA9same ouvre-toi\r\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const Bytes image = ReadFile(encrypted);
    ASSERT_GE(image.size(), 22u);
    EXPECT_EQ(image[12], 2);  // the strong form unless asked otherwise
    EXPECT_EQ(image[18], 0xFE);
    EXPECT_EQ(image[19], 0xCA);

    // Typed on the terminal: asked for the password of the encrypted input.
    run = Call({"show", encrypted, "--json"}, "", {"S\xC3\xA9same ouvre-toi"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["encrypted"], true);
    EXPECT_EQ(json["categories"][5]["cards"][0]["field4"], "toor");
    EXPECT_EQ(json["deleted"].size(), 1u);

    // The password is used as Windows-1252 bytes: 0xE9 for the e acute.
    CardCollection collection;
    const testing::LoadRun direct =
        testing::Load(image, collection, std::string("S\xE9same ouvre-toi"));
    EXPECT_TRUE(direct.result.ok);

    const std::string plain = Path("plain-again.qxf");
    run = Call({"convert", encrypted, plain, "--plain", "--password-stdin"},
               "S\xC3\xA9same ouvre-toi\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(plain), ReadFile(SampleFile()));
}

TEST_F(CliTest, WrongPasswordsAndShortPasswordsFailWithTheirMessages) {
    const std::string encrypted = Path("locked.qxe");
    ASSERT_EQ(Call({"convert", SampleFile(), encrypted, "--encrypt", "--form", "compatible",
                    "--password-stdin"},
                   "longpassword\n")
                  .status,
              0);

    CliRun run = Call({"show", encrypted, "--password-stdin"}, "wrongpassword\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Password not correct, please try again.\nFailed to open document.\n");

    run = Call({"show", encrypted, "--password-stdin"}, "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Failed to open document.\n");

    const std::string target = Path("short.qxe");
    run = Call({"convert", SampleFile(), target, "--encrypt", "--password-stdin"}, "seven77\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Password to short, please use more characters!\n");
    EXPECT_FALSE(fs::exists(target));

    run = Call({"convert", SampleFile(), target, "--encrypt"}, "", {"abcdefgh", "abcdefgX"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Password not correct, try again!\n");
    EXPECT_FALSE(fs::exists(target));

    const Bytes foreign = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!',
                           '!', '!', '!', '!', '!', '!', '!', '!', '!', '!', '!'};
    run = Call({"show", WriteFile("foreign.qxf", foreign)});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "This is not a Quillox file.\nFailed to open document.\n");
}

TEST_F(CliTest, ZeroLengthAndLegacyFilesShowTheirFormat) {
    CliRun run = Call({"show", WriteFile("empty.qxf", {}), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::ordered_json::parse(run.out).dump(2) + "\n", run.out);
    auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["format"], "current");
    EXPECT_EQ(json["encrypted"], false);
    for (const auto& category : json["categories"]) {
        EXPECT_TRUE(category["cards"].empty());
    }

    Bytes legacy;
    testing::AppendText(legacy, "NTENCRYPTVersion1.001XYZ");
    testing::AppendLegacyCard(
        legacy, {"Email Accounts", "02-03-2004", {"Me", "pop", "me", "pw"}, "", false, false});
    run = Call({"show", WriteFile("old.dat", legacy), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["format"], "legacy-1001");
    EXPECT_FALSE(json.contains("header_version"));
    EXPECT_EQ(json["categories"][6]["cards"][0]["modified_text"], "02-03-2004");
    EXPECT_EQ(json["categories"][6]["cards"][0]["category_text"], "Email Accounts");
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    const std::string file = SampleFile();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{},
          {"frobnicate"},
          {"show"},
          {"show", file, file},
          {"show", file, "--date-format", "x"},
          {"show", file, "--plain"},
          {"convert", file, file},
          {"convert", file, file, "--plain", "--encrypt"},
          {"convert", file, "--plain"},
          {"convert", file, file, "--plain", "--form", "strong"},
          {"convert", file, file, "--encrypt", "--form"},
          {"convert", file, file, "--encrypt", "--form", "blowfish"},
          {"info"},
          {"info", file, file},
          {"info", file, "--json"},
          {"show", file, "--password", "secret"}}) {
        const CliRun run = Call(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
    }
    EXPECT_EQ(Call({"--help"}).status, 0);
    EXPECT_NE(Call({"--version"}).out.find("quillox-cli "), std::string::npos);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool AllIn(const std::string& text, const std::string& allowed) {
    return text.find_first_not_of(allowed) == std::string::npos;
}

TEST_F(CliTest, GeneratePrintsCountPasswordsOfTheLengthAsked) {
    const std::string alphanumeric = PasswordPool(PasswordClasses{});
    CliRun run = Call({"generate"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 10u);
    EXPECT_TRUE(AllIn(lines[0], alphanumeric)) << lines[0];

    run = Call({"generate", "--count", "5", "--length", "64"});
    ASSERT_EQ(run.status, 0) << run.err;
    lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5u);
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), 64u);
        EXPECT_TRUE(AllIn(line, alphanumeric)) << line;
    }
    EXPECT_NE(lines[0], lines[1]);

    run = Call({"generate", "--length", "300"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.size(), 256u);
    run = Call({"generate", "--length", "99999999999999999999999"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.size(), 256u);

    run = Call({"generate", "--length", "0", "--count", "3"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\n\n\n");
    run = Call({"generate", "--count", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(CliTest, GenerateUsesOnlyTheClassesNamed) {
    CliRun run = Call({"generate", "--numbers", "--length", "200"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(AllIn(Lines(run.out).at(0), "0123456789")) << run.out;

    const std::string others = PasswordPool(PasswordClasses{false, false, false, true});
    run = Call({"generate", "--others", "--length", "200"});
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(AllIn(Lines(run.out).at(0), others)) << run.out;

    run = Call({"generate", "--upper", "--others", "--upper", "--length", "255"});
    ASSERT_EQ(run.status, 0);
    const std::string line = Lines(run.out).at(0);
    EXPECT_TRUE(AllIn(line, "ABCDEFGHIJKLMNOPQRSTUVWXYZ" + others)) << line;
    EXPECT_NE(line.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
    EXPECT_NE(line.find_first_of(others), std::string::npos);

    run = Call({"generate", "--lower", "--length", "200"});
    EXPECT_TRUE(AllIn(Lines(run.out).at(0), "abcdefghijklmnopqrstuvwxyz")) << run.out;
}

TEST_F(CliTest, GenerateUsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"generate", "--length", "x"},
          {"generate", "--length", "-5"},
          {"generate", "--length", "+5"},
          {"generate", "--length"},
          {"generate", "--count", "-1"},
          {"generate", "--count", "2x"},
          {"generate", "--symbols"},
          {"generate", "--password-stdin"},
          {"generate", "12"},
          {"generate", "--json"},
          {"show", SampleFile(), "--upper"}}) {
        const CliRun run = Call(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(run.err.find("Usage:"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_NE(Call({"--help"}).out.find("quillox-cli generate [--length N]"), std::string::npos);
}

}  // namespace
}  // namespace quillox::cli
