// Hostile inputs and outputs that POSIX systems have: an endless device as
// input, symbolic links as outputs, a full disk and a broken pipe on
// standard output.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "cli/cli_fixture.h"
#include "cli/descriptor_output.h"

namespace quillox::cli {
namespace {

using PosixHardeningTest = CliTest;

TEST_F(PosixHardeningTest, AnEndlessDeviceIsRefusedAsInputAndLeavesTheOutput) {
    const std::string out = SampleFile();
    const Bytes before = ReadFile(out);
    const CliRun run = Call({"convert", "/dev/zero", out, "--plain"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "/dev/zero is not a regular file.\nFailed to open document.\n");
    EXPECT_EQ(ReadFile(out), before);
}

TEST_F(PosixHardeningTest, OutputsFollowSymbolicLinks) {
    const std::string real = Path("real.qxf");
    std::ofstream(real) << "old";
    fs::create_symlink("real.qxf", Path("link.qxf"));
    const CliRun run = Call({"convert", SampleFile(), Path("link.qxf"), "--plain"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(Path("link.qxf")));
    EXPECT_EQ(ReadFile(real), ReadFile(SampleFile()));
}

TEST_F(PosixHardeningTest, WriteErrorsOnStandardOutputFailTheCommand) {
    std::signal(SIGPIPE, SIG_IGN);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const struct {
        int fd;
        const char* reason;
    } outputs[] = {{full, "No space left on device"}, {pipeEnds[1], "Broken pipe"}};
    for (const auto& output : outputs) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"show", SampleFile()},
                                                     {"show", SampleFile(), "--json"},
                                                     {"generate"},
                                                     {"--help"}}) {
            DescriptorOutputBuffer buffer(output.fd);
            std::ostream out(&buffer);
            ScriptedTerminal terminal({});
            const CliRun run = CallWith(args, out, terminal);
            EXPECT_EQ(run.status, 1) << args[0];
            EXPECT_EQ(run.err, std::string("Error writing output: ") + output.reason + "\n");
        }
    }
    ::close(full);
    ::close(pipeEnds[1]);
}

}  // namespace
}  // namespace quillox::cli
