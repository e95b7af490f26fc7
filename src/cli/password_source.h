#pragma once

#include <istream>
#include <optional>
#include <string>

#include "store/secret_string.h"

namespace quillox::cli {

// Where the tool takes passwords from: never the command line or the environment.
class PasswordSource {
  public:
    virtual ~PasswordSource() = default;
    // One password as UTF-8 text; nothing when none can be had.
    virtual std::optional<SecretString> Read(const std::string& prompt) = 0;
    // Whether a second, confirming entry makes sense (a person typing).
    virtual bool Interactive() const = 0;
    // Whether there is anyone to ask at all.
    virtual bool Available() const { return true; }
};

// One password a line (LF or CR LF) from a stream.
class StreamPasswordSource : public PasswordSource {
  public:
    explicit StreamPasswordSource(std::istream& in) : in_(in) {}
    std::optional<SecretString> Read(const std::string& prompt) override;
    bool Interactive() const override { return false; }

  private:
    std::istream& in_;
};

// One password a line from a file descriptor such as standard input, read
// with the system's read call so that no buffer of the standard library
// keeps a copy. When the descriptor is a terminal, echo is off meanwhile.
class DescriptorPasswordSource : public PasswordSource {
  public:
    explicit DescriptorPasswordSource(int fd) : fd_(fd) {}
    std::optional<SecretString> Read(const std::string& prompt) override;
    bool Interactive() const override { return false; }

  private:
    int fd_;
};

// Asks on the controlling terminal with echo turned off.
class TerminalPasswordSource : public PasswordSource {
  public:
    std::optional<SecretString> Read(const std::string& prompt) override;
    bool Interactive() const override { return true; }
    bool Available() const override;
};

// The password as the data files use it: Windows-1252 bytes. Nothing, with
// error set, when the text holds a character the code page lacks.
std::optional<SecretString> ToFilePassword(const SecretString& utf8, std::string& error);

}  // namespace quillox::cli
