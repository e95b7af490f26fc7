#include <windows.h>

#include <iostream>

#include "cli/descriptor_io.h"
#include "cli/password_source.h"
#include "cli/secret_line.h"

namespace quillox::cli {

namespace {

// The console hands out UTF-16 characters, whatever its code page; the line
// reader takes the UTF-8 a terminal elsewhere gives.
class ConsoleUtf8Reader {
  public:
    explicit ConsoleUtf8Reader(HANDLE input) : input_(input) {}
    ~ConsoleUtf8Reader() { SecureZeroMemory(bytes_, sizeof bytes_); }
    ConsoleUtf8Reader(const ConsoleUtf8Reader&) = delete;
    ConsoleUtf8Reader& operator=(const ConsoleUtf8Reader&) = delete;

    bool Next(char& c) {
        if (next_ == size_ && !Fill()) {
            return false;
        }
        c = bytes_[next_++];
        return true;
    }

  private:
    bool Fill() {
        wchar_t units[2] = {};
        DWORD got = 0;
        if (!ReadConsoleW(input_, units, 1, &got, nullptr) || got == 0) {
            return false;
        }
        int count = 1;
        if (units[0] >= 0xD800 && units[0] < 0xDC00 &&
            ReadConsoleW(input_, units + 1, 1, &got, nullptr) && got == 1) {
            count = 2;
        }
        size_ =
            WideCharToMultiByte(CP_UTF8, 0, units, count, bytes_, sizeof bytes_, nullptr, nullptr);
        SecureZeroMemory(units, sizeof units);
        next_ = 0;
        return size_ > 0;
    }

    HANDLE input_;
    char bytes_[8] = {};
    int size_ = 0;
    int next_ = 0;
};

}  // namespace

std::optional<SecretString> DescriptorPasswordSource::Read(const std::string&) {
    return ReadSecretLine([this](char& c) { return ReadByte(fd_, c); });
}

std::optional<SecretString> TerminalPasswordSource::Read(const std::string& prompt) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(input, &mode)) {
        return std::nullopt;
    }
    std::cerr << prompt << std::flush;
    SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    ConsoleUtf8Reader console(input);
    std::optional<SecretString> secret =
        ReadSecretLine([&console](char& c) { return console.Next(c); });
    SetConsoleMode(input, mode);
    std::cerr << std::endl;
    return secret;
}

bool TerminalPasswordSource::Available() const {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

}  // namespace quillox::cli
