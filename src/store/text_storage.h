#pragma once

#include <cstddef>
#include <memory>

namespace quillox {

// Bytes that cards' texts point into: the image of a loaded file, or the texts
// of one edited card. Never changed once filled and shared by the cards that
// use it, so loading a file needs no copy per card; wiped when the last user
// lets go, since it holds passwords.
class TextStorage {
  public:
    explicit TextStorage(std::size_t size);
    ~TextStorage();
    TextStorage(const TextStorage&) = delete;
    TextStorage& operator=(const TextStorage&) = delete;

    char* data() { return bytes_.get(); }
    const char* data() const { return bytes_.get(); }
    std::size_t size() const { return size_; }

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

using SharedTextStorage = std::shared_ptr<const TextStorage>;

}  // namespace quillox
