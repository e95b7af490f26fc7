#pragma once

#include <cstring>
#include <optional>
#include <utility>

#include "store/secret_string.h"
#include "store/secure_wipe.h"

namespace quillox::cli {

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

}  // namespace quillox::cli
