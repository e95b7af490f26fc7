#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "cli/descriptor_io.h"
#include "cli/password_source.h"
#include "cli/secret_line.h"

namespace quillox::cli {

namespace {

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

int OpenTerminal() {
    return ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
}

}  // namespace

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

}  // namespace quillox::cli
