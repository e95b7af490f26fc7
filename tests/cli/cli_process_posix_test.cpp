// The real quillox-cli in a process of its own: what only the whole program
// shows, such as its peak memory, its standard output and its terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "store/card_file.h"
#include "store/test_folder.h"
#include "store/typical_cards.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUILLOX_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLOX_UNDER_SANITIZER 1
#endif
#endif

namespace quillox {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string err;
    long peakKilobytes = 0;
};

struct Spawn {
    std::vector<std::string> args;
    int in = -1;   // standard input; /dev/null when none
    int out = -1;  // standard output; /dev/null when none
    bool withoutTerminal = false;
};

// Runs quillox-cli and waits for it; err is what it wrote on standard error.
Outcome RunCli(const Spawn& spawn) {
    int errPipe[2];
    EXPECT_EQ(::pipe(errPipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (spawn.withoutTerminal) {
            ::setsid();
        }
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(spawn.in >= 0 ? spawn.in : null, 0);
        ::dup2(spawn.out >= 0 ? spawn.out : null, 1);
        ::dup2(errPipe[1], 2);
        std::vector<char*> argv = {const_cast<char*>(QUILLOX_CLI_PATH)};
        for (const std::string& arg : spawn.args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(errPipe[1]);
    Outcome outcome;
    char buffer[512];
    for (ssize_t got; (got = ::read(errPipe[0], buffer, sizeof buffer)) > 0;) {
        outcome.err.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(errPipe[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    outcome.peakKilobytes = usage.ru_maxrss;
    return outcome;
}

class CliProcessTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = quillox::testing::FreshTestFolder("quillox-cli-process-"); }
    void TearDown() override { fs::remove_all(folder_); }

    // A plain file of count cards the size people keep.
    std::string CardFile(const std::string& name, int count) const {
        CardCollection collection;
        quillox::testing::AddTypicalCards(collection, count);
        const std::string path = (folder_ / name).string();
        EXPECT_TRUE(SaveCardFileToPath(collection, path, nullptr));
        return path;
    }

    fs::path folder_;
};

TEST_F(CliProcessTest, ShowJsonOfManyCardsNeedsAtMostTwiceTheFileSize) {
#if defined(QUILLOX_UNDER_SANITIZER)
    GTEST_SKIP() << "the sanitizer's own memory would be measured";
#else
    // Made in a process of its own: a child's peak memory starts from its
    // parent's at the fork, so this process must stay small.
    const std::string big = (folder_ / "big.qxf").string();
    const pid_t maker = ::fork();
    if (maker == 0) {
        CardFile("big.qxf", 100000);
        ::_exit(0);
    }
    ::waitpid(maker, nullptr, 0);
    const auto size = static_cast<long>(fs::file_size(big));
    // What the program needs whatever the file: measured on an empty file.
    const Outcome empty = RunCli({{"show", CardFile("empty.qxf", 0), "--json"}});
    const Outcome full = RunCli({{"show", big, "--json"}});
    ASSERT_EQ(empty.status, 0) << empty.err;
    ASSERT_EQ(full.status, 0) << full.err;
    const long grown = (full.peakKilobytes - empty.peakKilobytes) * 1024;
    std::printf("file %ld bytes, peak %ld KiB, empty file %ld KiB: %.2f times the file\n", size,
                full.peakKilobytes, empty.peakKilobytes,
                static_cast<double>(grown) / static_cast<double>(size));
    EXPECT_LE(grown, 2 * size);
#endif
}

TEST_F(CliProcessTest, StandardOutputErrorsAndAMissingTerminalAreReported) {
    const std::string file = CardFile("cards.qxf", 3);
    const int full = ::open("/dev/full", O_WRONLY);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"show", file}, {"show", file, "--json"}, {"--version"}}) {
        const Outcome run = RunCli({args, -1, full});
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_EQ(run.err, "Error writing output: No space left on device\n");
    }
    ::close(full);

    // A reader that has gone: an error to report, not a silent death by signal.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    ::close(pipeEnds[0]);
    const Outcome piped = RunCli({{"generate", "--count", "100000"}, -1, pipeEnds[1]});
    ::close(pipeEnds[1]);
    EXPECT_EQ(piped.status, 1);
    EXPECT_EQ(piped.err, "Error writing output: Broken pipe\n");

    const std::string encrypted = (folder_ / "locked.qxe").string();
    int passwordPipe[2];
    ASSERT_EQ(::pipe(passwordPipe), 0);
    ASSERT_EQ(::write(passwordPipe[1], "longpassword\n", 13), 13);
    ::close(passwordPipe[1]);
    ASSERT_EQ(
        RunCli({{"convert", file, encrypted, "--encrypt", "--password-stdin"}, passwordPipe[0]})
            .status,
        0);
    ::close(passwordPipe[0]);
    const Outcome alone = RunCli({{"show", encrypted}, -1, -1, true});
    EXPECT_EQ(alone.status, 1);
    EXPECT_EQ(alone.err,
              "No terminal to ask for the password; use --password-stdin.\n"
              "Failed to open document.\n");
}

// Reads from fd until text has arrived or a few seconds have passed.
std::string ReadUntil(int fd, const std::string& text) {
    std::string got;
    for (int attempt = 0; attempt < 300 && got.find(text) == std::string::npos; ++attempt) {
        char buffer[256];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            got.append(buffer, static_cast<std::size_t>(count));
        } else {
            ::usleep(10000);
        }
    }
    return got;
}

TEST_F(CliProcessTest, PasswordsFromATerminalOnStandardInputAreNotEchoed) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    int errPipe[2];
    ASSERT_EQ(::pipe(errPipe), 0);
    ::fcntl(errPipe[0], F_SETFL, O_NONBLOCK);
    const std::string file = CardFile("cards.qxf", 1);
    const std::string out = (folder_ / "out.qxe").string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(terminal, 0);
        ::dup2(errPipe[1], 2);
        ::execl(QUILLOX_CLI_PATH, QUILLOX_CLI_PATH, "convert", file.c_str(), out.c_str(),
                "--encrypt", "--password-stdin", nullptr);
        ::_exit(127);
    }
    ::close(errPipe[1]);
    // Typed once the prompt shows, as a person would.
    EXPECT_NE(ReadUntil(errPipe[0], "New password: ").find("New password: "), std::string::npos);
    ASSERT_EQ(::write(master, "secret-typed-here\n", 18), 18);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    char echoed[256];
    const ssize_t count = ::read(master, echoed, sizeof echoed);
    EXPECT_EQ(std::string(echoed, static_cast<std::size_t>(std::max<ssize_t>(count, 0)))
                  .find("secret-typed-here"),
              std::string::npos);
    EXPECT_TRUE(fs::exists(out));
    ::close(terminal);
    ::close(master);
    ::close(errPipe[0]);
}

// Reads the value of field from a /proc file of the form "Name: value".
std::string ProcField(const std::string& path, const std::string& field) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(field, 0) == 0) {
            return line.substr(field.size());
        }
    }
    return "";
}

TEST_F(CliProcessTest, CoreDumpsAreSwitchedOffAndNewFilesAreOwnerOnly) {
    // The program waits for its password while its limits are read.
    int passwordPipe[2];
    ASSERT_EQ(::pipe(passwordPipe), 0);
    const std::string file = CardFile("cards.qxf", 1);
    const pid_t child = ::fork();
    if (child == 0) {
        // Started as a shell usually starts it: new files readable by all.
        ::umask(022);
        ::dup2(passwordPipe[0], 0);
        ::close(passwordPipe[1]);
        ::execl(QUILLOX_CLI_PATH, QUILLOX_CLI_PATH, "convert", file.c_str(),
                (folder_ / "out.qxe").c_str(), "--encrypt", "--password-stdin", nullptr);
        ::_exit(127);
    }
    ::close(passwordPipe[0]);
    // Soft and hard limit of core files and the file mask, once the program has set them.
    const std::string proc = "/proc/" + std::to_string(child);
    std::string soft;
    std::string hard;
    std::string mask;
    for (int attempt = 0; attempt < 500 && !(soft == "0" && hard == "0" && mask == "0077");
         ++attempt) {
        ::usleep(10000);
        std::istringstream(ProcField(proc + "/limits", "Max core file size")) >> soft >> hard;
        std::istringstream(ProcField(proc + "/status", "Umask:")) >> mask;
    }
    ::close(passwordPipe[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(soft, "0");
    EXPECT_EQ(hard, "0");
    EXPECT_EQ(mask, "0077");
}

}  // namespace
}  // namespace quillox
