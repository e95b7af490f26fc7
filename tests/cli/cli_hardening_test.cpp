// Hostile inputs and outputs: files that are no data files, read-only and
// oversized outputs, a failing output stream, no memory, no terminal.
#include <new>

#include "cli/cli_fixture.h"
#include "store/file_messages.h"
#include "support/special_files.h"

namespace quillox::cli {
namespace {

class MemoryLessTerminal : public ScriptedTerminal {
  public:
    MemoryLessTerminal() : ScriptedTerminal({}) {}
    std::optional<SecretString> Read(const std::string&) override { throw std::bad_alloc(); }
};

class HardeningTest : public CliTest {
  protected:
    // An encrypted file whose cards and password are known.
    std::string EncryptedFile(const std::string& name, const std::string& password) {
        const std::string path = Path(name);
        const CliRun run =
            Call({"convert", SampleFile(), path, "--encrypt", "--password-stdin"}, password + "\n");
        EXPECT_EQ(run.status, 0) << run.err;
        return path;
    }
};

TEST_F(HardeningTest, InputsThatAreNoRegularFileAreRefusedAndLeaveTheOutput) {
    const std::string out = SampleFile();
    const Bytes before = ReadFile(out);
    fs::create_directory(Path("folder.qxf"));
    std::vector<std::string> inputs = testing::MakeSpecialFiles(folder_);
    inputs.push_back(Path("folder.qxf"));
    for (const std::string& in : inputs) {
        const CliRun run = Call({"convert", in, out, "--plain"});
        EXPECT_EQ(run.status, 1) << in;
        EXPECT_EQ(run.err, in + " is not a regular file.\nFailed to open document.\n");
        EXPECT_EQ(ReadFile(out), before) << in;
    }
}

TEST_F(HardeningTest, OversizedEncryptedPayloadsAreDamagedFiles) {
    Bytes plaintext = testing::Digest("password");
    AppendCard(plaintext, RawCard{0, 0, 0, 0, 0, {"site", "", "", "", ""}});
    plaintext.resize(65600, 0);
    Bytes image = testing::FileHeader(6, 1, 0);
    const Bytes cipher = testing::EncryptPayload(plaintext, "password", StartTables::Standard);
    image.insert(image.end(), cipher.begin(), cipher.end());
    const std::string file = WriteFile("big.qxe", image);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", file, "--password-stdin"},
          {"convert", file, file, "--plain", "--password-stdin"}}) {
        const CliRun run = Call(args, "password\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "This is not a Quillox file.\nFailed to open document.\n");
    }
    EXPECT_EQ(ReadFile(file), image);
}

TEST_F(HardeningTest, OutputsKeepReadOnlyFilesAndReportFailures) {
    const std::string locked = Path("locked.qxf");
    std::ofstream(locked) << "keep";
    fs::permissions(locked,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    CliRun run = Call({"convert", SampleFile(), locked, "--plain"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Access to " + locked + " was denied.\n");
    EXPECT_EQ(ReadFile(locked), Bytes({'k', 'e', 'e', 'p'}));
    run = Call({"convert", SampleFile(), locked, "--plain", "--force"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(locked), ReadFile(SampleFile()));
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);

    run = Call({"convert", SampleFile(), Path("missing/out.qxf"), "--plain"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Cannot save the file " + Path("missing/out.qxf") + ": ", 0), 0u);
}

TEST_F(HardeningTest, TooManyCardsToEncryptAreRefusedBeforeAskingOrWriting) {
    Bytes image = testing::FileHeader(6, 0, 0);
    // 600 cards of 110 bytes: 66,000 bytes of cards and the digest's 20.
    for (int i = 0; i < 600; ++i) {
        AppendCard(image, RawCard{0, 0, 0, 0, 0, {std::string(81, 'c'), "", "", "", ""}});
    }
    const std::string target = Path("big.qxe");
    std::ostringstream out;
    ScriptedTerminal terminal({"longpassword", "longpassword"});
    const std::string many = WriteFile("many.qxf", image);
    const CliRun run =
        CallWith({"convert", many, target, "--encrypt", "--form", "compatible"}, out, terminal);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "These cards need 66,020 bytes; an encrypted file holds at most 65,528. Remove "
              "cards, or save without encryption.\n");
    EXPECT_TRUE(terminal.prompts.empty());
    EXPECT_FALSE(fs::exists(target));
    // The strong form has no such limit.
    EXPECT_EQ(
        Call({"convert", many, target, "--encrypt"}, "", {"longpassword", "longpassword"}).status,
        0);
}

TEST_F(HardeningTest, EncryptedToEncryptedReadsTheInputPasswordFirst) {
    const std::string in = EncryptedFile("in.qxe", "input-password");
    const std::string out = Path("out.qxe");
    CliRun run = Call({"convert", in, out, "--encrypt", "--password-stdin"},
                      "input-password\noutput-password\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Call({"show", out, "--password-stdin"}, "output-password\n").status, 0);
    run = Call({"show", out, "--password-stdin"}, "input-password\n");
    EXPECT_EQ(run.err,
              "Password not correct, or the file was changed.\nFailed to open document.\n");
}

TEST_F(HardeningTest, WithoutATerminalThePasswordMustComeFromStandardInput) {
    const std::string encrypted = EncryptedFile("locked.qxe", "longpassword");
    NobodyAtTerminal terminal;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", encrypted},
          {"convert", SampleFile(), Path("out.qxe"), "--encrypt"}}) {
        std::ostringstream out;
        const CliRun run = CallWith(args, out, terminal);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind("No terminal to ask for the password; use --password-stdin.\n", 0),
                  0u)
            << run.err;
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_FALSE(fs::exists(Path("out.qxe")));
}

TEST_F(HardeningTest, AStreamThatFailsWithoutAReasonFailsTheCall) {
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    ScriptedTerminal terminal({});
    const CliRun run = CallWith({"show", SampleFile()}, broken, terminal);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error writing output: the output could not be written\n");
}

// Output that runs out of memory throws through a stream that passes it on.
class MemoryLessBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { throw std::bad_alloc(); }
};

TEST_F(HardeningTest, RunningOutOfMemoryIsReportedNotFatal) {
    const std::string encrypted = EncryptedFile("locked.qxe", "longpassword");
    MemoryLessTerminal terminal;
    std::ostringstream out;
    CliRun run = CallWith({"show", encrypted}, out, terminal);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Out of memory.\n");

    MemoryLessBuffer buffer;
    std::ostream failing(&buffer);
    failing.exceptions(std::ios::badbit);
    ScriptedTerminal none({});
    run = CallWith({"show", SampleFile(), "--json"}, failing, none);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("Out of memory.\n", 0), 0u) << run.err;
}

}  // namespace
}  // namespace quillox::cli
