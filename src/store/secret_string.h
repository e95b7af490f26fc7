#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "store/guarded_memory.h"

namespace quillox {

// A password held as raw bytes of the ANSI text. Its one buffer is allocated to
// size in guarded memory (locked, wiped when freed), so no copy is left behind
// by growth or in swap.
class SecretString {
  public:
    SecretString() = default;
    SecretString(const char* data, std::size_t size);
    explicit SecretString(const std::string& text) : SecretString(text.data(), text.size()) {}
    ~SecretString();

    SecretString(const SecretString& other);
    SecretString& operator=(const SecretString& other);
    SecretString(SecretString&& other) noexcept;
    SecretString& operator=(SecretString&& other) noexcept;

    const char* data() const { return bytes_ ? reinterpret_cast<const char*>(bytes_.get()) : ""; }
    const unsigned char* bytes() const { return reinterpret_cast<const unsigned char*>(data()); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear();

    bool operator==(const SecretString& other) const;
    bool operator!=(const SecretString& other) const { return !(*this == other); }

  private:
    void Release();

    GuardedBytes bytes_;
    std::size_t size_ = 0;
};

}  // namespace quillox
