#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_run.h"
#include "store/test_files.h"
#include "store/test_folder.h"

// Runs the tool in-process with scripted input, in a folder of its own.
namespace quillox::cli {

namespace fs = std::filesystem;
using testing::AppendCard;
using testing::Bytes;
using testing::RawCard;

// Stands in for a person at the terminal, answering prompts in turn.
class ScriptedTerminal : public PasswordSource {
  public:
    explicit ScriptedTerminal(std::deque<std::string> answers) : answers_(std::move(answers)) {}
    std::optional<SecretString> Read(const std::string& prompt) override {
        prompts.push_back(prompt);
        if (answers_.empty()) {
            return std::nullopt;
        }
        SecretString answer(answers_.front());
        answers_.pop_front();
        return answer;
    }
    bool Interactive() const override { return true; }
    std::vector<std::string> prompts;

  private:
    std::deque<std::string> answers_;
};

// No terminal at all: asking it is a fault.
class NobodyAtTerminal : public PasswordSource {
  public:
    std::optional<SecretString> Read(const std::string&) override {
        ADD_FAILURE() << "asked with no terminal";
        return std::nullopt;
    }
    bool Interactive() const override { return true; }
    bool Available() const override { return false; }
};

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = quillox::testing::FreshTestFolder("quillox-cli-"); }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::string WriteFile(const std::string& name, const Bytes& bytes) const {
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return Path(name);
    }

    static Bytes ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    static CliRun Call(const std::vector<std::string>& args, const std::string& input = "",
                       std::deque<std::string> typed = {}) {
        std::ostringstream out;
        ScriptedTerminal terminal(std::move(typed));
        CliRun run = CallWith(args, out, terminal, input);
        run.out = out.str();
        return run;
    }

    static CliRun CallWith(const std::vector<std::string>& args, std::ostream& out,
                           PasswordSource& terminal, const std::string& input = "") {
        std::istringstream in(input);
        std::ostringstream err;
        CliRun run;
        run.status = RunCli(args, in, out, err, terminal);
        run.err = err.str();
        return run;
    }

    // A plain file with a euro sign, a deleted card and a header value to carry.
    std::string SampleFile() const {
        Bytes image = testing::FileHeader(6, 0, 0xCAFE);
        AppendCard(
            image,
            RawCard{
                4, 2, 4, 3000000000u, 17, {"Bank \x80", "https://bank", "me", "pin", "a\r\nb"}});
        AppendCard(image, RawCard{5, 0, 0, 0, 0, {"shell", "host", "root", "toor", ""}});
        AppendCard(image, RawCard{7, 0, 2, 0, 0, {"closed", "", "", "", ""}});
        return WriteFile("sample.qxf", image);
    }

    fs::path folder_;
};

}  // namespace quillox::cli
