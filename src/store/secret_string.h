#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace quillox {

// A password held as raw bytes of the ANSI text. Its one buffer is allocated to
// size and wiped before release, so no copy is left behind by growth.
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

    const char* data() const { return bytes_ ? bytes_.get() : ""; }
    const unsigned char* bytes() const { return reinterpret_cast<const unsigned char*>(data()); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear();

    bool operator==(const SecretString& other) const;
    bool operator!=(const SecretString& other) const { return !(*this == other); }

  private:
    void Release();

    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
};

}  // namespace quillox
