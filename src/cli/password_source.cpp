#include "cli/password_source.h"

#include <cstdio>
#include <iostream>

#include "store/secure_wipe.h"
#include "store/text_codec.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace quillox::cli {

namespace {

// Reads up to a line end, leaving no copy of the text behind.
std::optional<SecretString> ReadSecretLine(std::istream& in) {
    std::string line;
    line.reserve(256);
    char c = 0;
    bool any = false;
    while (in.get(c)) {
        any = true;
        if (c == '\n') {
            break;
        }
        line += c;
    }
    if (!any) {
        SecureWipe(line);
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    SecretString secret(line.data(), line.size());
    SecureWipe(line);
    return secret;
}

}  // namespace

std::optional<SecretString> StreamPasswordSource::Read(const std::string&) {
    return ReadSecretLine(in_);
}

#if defined(_WIN32)

std::optional<SecretString> TerminalPasswordSource::Read(const std::string& prompt) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(input, &mode)) {
        return std::nullopt;
    }
    std::cerr << prompt << std::flush;
    SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    std::optional<SecretString> secret = ReadSecretLine(std::cin);
    SetConsoleMode(input, mode);
    std::cerr << std::endl;
    return secret;
}

#else

std::optional<SecretString> TerminalPasswordSource::Read(const std::string& prompt) {
    FILE* tty = std::fopen("/dev/tty", "r+");
    if (tty == nullptr) {
        return std::nullopt;
    }
    const int fd = fileno(tty);
    termios saved{};
    const bool canHide = tcgetattr(fd, &saved) == 0;
    if (canHide) {
        termios hidden = saved;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(fd, TCSAFLUSH, &hidden);
    }
    std::fputs(prompt.c_str(), tty);
    std::fflush(tty);
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(tty)) != EOF) {
        any = true;
        if (c == '\n') {
            break;
        }
        line += static_cast<char>(c);
    }
    if (canHide) {
        tcsetattr(fd, TCSAFLUSH, &saved);
    }
    std::fputs("\n", tty);
    std::fclose(tty);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    std::optional<SecretString> secret;
    if (any) {
        secret = SecretString(line.data(), line.size());
    }
    SecureWipe(line);
    return secret;
}

#endif

std::optional<SecretString> ToFilePassword(const SecretString& utf8, std::string& error) {
    std::string text(utf8.data(), utf8.size());
    std::optional<std::string> bytes = Utf8ToCp1252(text);
    SecureWipe(text);
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
