#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillox {

// Overwrites memory with zeros in a way the optimiser may not drop, even when
// the memory is about to be freed.
void SecureWipe(void* data, std::size_t size);

template <typename T>
void SecureWipe(std::vector<T>& buffer) {
    SecureWipe(buffer.data(), buffer.size() * sizeof(T));
}

// Wipes the whole allocation of a string, not only its current length.
void SecureWipe(std::string& text);

// Clears what copying secrets leaves outside the buffers that held them: the
// processor's vector registers, which the dynamic linker or a signal may
// later save onto the stack, and the stack below the caller, where called
// functions kept their temporaries. Called when a load or a save is done.
void WipeScratchMemory();

// A byte buffer that is wiped before its memory is released.
class WipedBuffer {
  public:
    WipedBuffer() = default;
    explicit WipedBuffer(std::size_t size) : bytes_(size) {}
    ~WipedBuffer() { SecureWipe(bytes_); }
    WipedBuffer(const WipedBuffer&) = delete;
    WipedBuffer& operator=(const WipedBuffer&) = delete;
    WipedBuffer(WipedBuffer&& other) noexcept : bytes_(std::move(other.bytes_)) {}
    WipedBuffer& operator=(WipedBuffer&& other) noexcept {
        SecureWipe(bytes_);
        bytes_ = std::move(other.bytes_);
        return *this;
    }

    unsigned char* data() { return bytes_.data(); }
    const unsigned char* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    std::vector<unsigned char>& bytes() { return bytes_; }
    const std::vector<unsigned char>& bytes() const { return bytes_; }

  private:
    std::vector<unsigned char> bytes_;
};

}  // namespace quillox
