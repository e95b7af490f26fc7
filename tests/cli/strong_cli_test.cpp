#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "store/file_messages.h"

namespace quillox::cli {
namespace {

constexpr const char* kPassword = "Strong and long 1";

TEST_F(CliTest, ConvertWritesTheFormAskedAndShowAndInfoTellIt) {
    struct Case {
        std::vector<std::string> formOptions;
        unsigned char formByte;
        const char* formName;
        std::string keyLine;
    };
    const Case cases[] = {
        {{}, 2, "strong", "Key derivation: Argon2id, 3 passes over 64 MiB"},
        {{"--form", "strong"}, 2, "strong", "Key derivation: Argon2id, 3 passes over 64 MiB"},
        {{"--form", "compatible"},
         1,
         "compatible",
         "Key derivation: none; Blowfish keyed by the password, at most 65,528 bytes of cards"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formName);
        const std::string target = Path(std::string(c.formName) + ".qxe");
        std::vector<std::string> args = {"convert", SampleFile(), target, "--encrypt",
                                         "--password-stdin"};
        args.insert(args.end(), c.formOptions.begin(), c.formOptions.end());
        CliRun run = Call(args, std::string(kPassword) + "\n");
        ASSERT_EQ(run.status, 0) << run.err;
        const Bytes image = ReadFile(target);
        ASSERT_GE(image.size(), 22u);
        EXPECT_EQ(image[12], c.formByte);

        run = Call({"show", target, "--json", "--password-stdin"}, std::string(kPassword) + "\n");
        ASSERT_EQ(run.status, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["encryption_form"], c.formName);
        EXPECT_EQ(json["categories"][5]["cards"][0]["field4"], "toor");

        const std::string head = std::string(c.formName) + ".qxe: current format, encrypted, " +
                                 c.formName + " form\n" + c.keyLine + "\n";
        run = Call({"info", target, "--password-stdin"}, std::string(kPassword) + "\n");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, head + "Cards: 2, and 1 deleted\n");
        run = Call({"info", target, "--password-stdin"}, "not the password\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, head);
    }
    // A strong file cannot tell a wrong password from a change.
    const CliRun wrong =
        Call({"show", Path("strong.qxe"), "--password-stdin"}, "not the password\n");
    EXPECT_EQ(wrong.err, std::string(messages::kWrongPasswordOrChanged) + "\n" +
                             messages::kFailedToOpen + "\n");
}

TEST_F(CliTest, InfoSaysWhatItCanWithoutAPassword) {
    const std::string strong = Path("strong.qxe");
    ASSERT_EQ(Call({"convert", SampleFile(), strong, "--encrypt", "--password-stdin"},
                   std::string(kPassword) + "\n")
                  .status,
              0);
    struct Case {
        std::string file;
        std::string out;
        int status;
    };
    const Case cases[] = {
        {SampleFile(), "sample.qxf: current format, not encrypted\nCards: 2, and 1 deleted\n", 0},
        {WriteFile("empty.qxf", {}),
         "empty.qxf: current format, not encrypted\nCards: 0, and 0 "
         "deleted\n",
         0},
        // Nobody at a terminal and no --password-stdin: the clear facts only.
        {strong,
         "strong.qxe: current format, encrypted, strong form\nKey derivation: Argon2id, 3 passes "
         "over 64 MiB\nCards: not counted; the password is needed (type it on a terminal, or "
         "give it with --password-stdin)\n",
         0},
        {WriteFile("foreign.qxf", Bytes(30, 'x')), "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        NobodyAtTerminal terminal;
        std::ostringstream out;
        const CliRun run = CallWith({"info", c.file}, out, terminal);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(out.str(), c.out);
    }
}

}  // namespace
}  // namespace quillox::cli
