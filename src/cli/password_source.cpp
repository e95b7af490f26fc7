#include "cli/password_source.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "store/secure_wipe.h"
#include "store/text_codec.h"

#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace quillox::cli {

namespace {

// Collects one line of a password in memory that is wiped whenever it is
// given up, growth included.
class SecretLine {
  public:
    void Add(char c) {
        if (used_ == buffer_.size()) {
            WipedBuffer bigger(buffer_.size() * 2);
            std::memcpy(bigger.data(), buffer_.data(), used_);
            buffer_ = std::move(bigger);
        }
        buffer_.data()[used_++] = static_cast<unsigned char>(c);
    }
    // The line without its CR LF or LF ending.
    SecretString Take() {
        if (used_ > 0 && buffer_.data()[used_ - 1] == '\r') {
            --used_;
        }
        return SecretString(reinterpret_cast<const char*>(buffer_.data()), used_);
    }

  private:
    WipedBuffer buffer_{64};
    std::size_t used_ = 0;
};

// Reads up to a line end, one byte at a time so that nothing past the line
// is taken; nothing when the input ends before the first byte.
template <typename NextByte>
std::optional<SecretString> ReadSecretLine(NextByte next) {
    SecretLine line;
    char c = 0;
    bool any = false;
    while (next(c)) {
        any = true;
        if (c == '\n') {
            break;
        }
        line.Add(c);
    }
    if (!any) {
        return std::nullopt;
    }
    return line.Take();
}

#if defined(_WIN32)
bool ReadByte(int fd, char& c) {
    return _read(fd, &c, 1) == 1;
}
#else
bool ReadByte(int fd, char& c) {
    for (;;) {
        const ssize_t got = ::read(fd, &c, 1);
        if (got == 1) {
            return true;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return false;
    }
}

// Switches a terminal's echo off for as long as it lives.
class EchoOff {
  public:
    explicit EchoOff(int fd) : fd_(fd), active_(::tcgetattr(fd, &saved_) == 0) {
        if (active_) {
            termios hidden = saved_;
            hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            ::tcsetattr(fd_, TCSAFLUSH, &hidden);
        }
    }
    ~EchoOff() {
        if (active_) {
            ::tcsetattr(fd_, TCSAFLUSH, &saved_);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
    bool Active() const { return active_; }

  private:
    int fd_;
    termios saved_{};
    bool active_;
};

void WriteText(int fd, const std::string& text) {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written <= 0 && errno != EINTR) {
            return;
        }
        if (written > 0) {
            data += written;
            left -= static_cast<std::size_t>(written);
        }
    }
}
#endif

}  // namespace

std::optional<SecretString> StreamPasswordSource::Read(const std::string&) {
    return ReadSecretLine([this](char& c) { return static_cast<bool>(in_.get(c)); });
}

#if defined(_WIN32)

std::optional<SecretString> DescriptorPasswordSource::Read(const std::string&) {
    return ReadSecretLine([this](char& c) { return ReadByte(fd_, c); });
}

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

#else

std::optional<SecretString> DescriptorPasswordSource::Read(const std::string& prompt) {
    // Typed at a terminal: say what is asked, and do not show the answer.
    EchoOff echoOff(fd_);
    if (echoOff.Active()) {
        WriteText(STDERR_FILENO, prompt);
    }
    std::optional<SecretString> secret =
        ReadSecretLine([this](char& c) { return ReadByte(fd_, c); });
    if (echoOff.Active()) {
        WriteText(STDERR_FILENO, "\n");
    }
    return secret;
}

namespace {

int OpenTerminal() {
    return ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
}

}  // namespace

std::optional<SecretString> TerminalPasswordSource::Read(const std::string& prompt) {
    const int fd = OpenTerminal();
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<SecretString> secret;
    {
        EchoOff echoOff(fd);
        WriteText(fd, prompt);
        secret = ReadSecretLine([fd](char& c) { return ReadByte(fd, c); });
    }
    WriteText(fd, "\n");
    ::close(fd);
    return secret;
}

bool TerminalPasswordSource::Available() const {
    const int fd = OpenTerminal();
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

#endif

std::optional<SecretString> ToFilePassword(const SecretString& utf8, std::string& error) {
    std::optional<std::string> bytes = Utf8ToCp1252(std::string_view(utf8.data(), utf8.size()));
    if (!bytes) {
        // The character itself is not named: it is part of a secret.
        error = "The password holds a character that a Quillox file cannot store.";
        return std::nullopt;
    }
    SecretString secret(bytes->data(), bytes->size());
    SecureWipe(*bytes);
    return secret;
}

}  // namespace quillox::cli
