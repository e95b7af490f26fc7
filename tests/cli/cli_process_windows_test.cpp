// The real quillox-cli.exe in a process of its own, started as Windows starts
// programs: one UTF-16 command line, standard output and error on pipes.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "store/card_file.h"
#include "store/test_folder.h"

namespace quillox {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    DWORD status = 1;
    std::string out;
    std::string err;
};

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        text.append(buffer, got);
    }
    return text;
}

// The program beside this test program.
fs::path CliProgram() {
    wchar_t own[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, own, MAX_PATH);
    return fs::path(std::wstring(own, length)).parent_path() / L"quillox-cli.exe";
}

// Runs the program with arguments, each quoted, and nothing on its input.
// Error output is small, so reading it after the output cannot block.
Outcome RunCli(const std::vector<std::wstring>& arguments) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead = nullptr, outWrite = nullptr, errRead = nullptr, errWrite = nullptr;
    Outcome outcome;
    if (!CreatePipe(&outRead, &outWrite, &inherited, 0) ||
        !CreatePipe(&errRead, &errWrite, &inherited, 0)) {
        ADD_FAILURE() << "no pipes";
        return outcome;
    }
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 &inherited, OPEN_EXISTING, 0, nullptr);
    std::wstring command = L"\"" + CliProgram().wstring() + L"\"";
    for (const std::wstring& argument : arguments) {
        command += L" \"" + argument + L"\"";
    }
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = nothing;
    start.hStdOutput = outWrite;
    start.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &start, &process);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    CloseHandle(nothing);
    if (started) {
        outcome.out = ReadAll(outRead);
        outcome.err = ReadAll(errRead);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &outcome.status);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    } else {
        ADD_FAILURE() << "cannot start " << CliProgram().string();
    }
    CloseHandle(outRead);
    CloseHandle(errRead);
    return outcome;
}

class CliProcessTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = testing::FreshTestFolder("quillox-cli-process-"); }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(CliProcessTest, NamesOutsideTheAnsiCodePageReachTheProgramAndComeBackAsUtf8) {
    CardCollection collection;
    auto card = std::make_unique<CardRecord>();
    card->SetField1("Bank \x80");
    card->SetCategoryId(4);
    collection.AddCard(4, std::move(card));
    const fs::path ascii = folder_ / "cards.qxf";
    ASSERT_TRUE(SaveCardFileToPath(collection, ascii.string(), nullptr));
    const fs::path named = folder_ / L"caf\u00e9 \u041a\u20ac.qxf";
    fs::rename(ascii, named);

    Outcome run = RunCli({L"show", named.wstring(), L"--json"});
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_NE(run.out.find("\"Bank \xE2\x82\xAC\""), std::string::npos) << run.out;

    const fs::path absent = folder_ / L"absent \u041a.qxf";
    run = RunCli({L"show", absent.wstring()});
    EXPECT_EQ(run.status, 1u);
    EXPECT_NE(run.err.find(absent.u8string()), std::string::npos) << run.err;
}

}  // namespace
}  // namespace quillox
