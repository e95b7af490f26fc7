#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillox {

using Sha1Value = std::array<unsigned char, 20>;

// SHA-1 as published in FIPS 180-1. The working context is wiped once the
// digest has been produced and when the object goes away.
class Sha1Digest {
  public:
    Sha1Digest();
    ~Sha1Digest();
    Sha1Digest(const Sha1Digest&) = delete;
    Sha1Digest& operator=(const Sha1Digest&) = delete;

    void Update(const void* data, std::size_t size);
    // Produces the digest and resets the object for a new message.
    Sha1Value Finish();

    static Sha1Value Of(const void* data, std::size_t size);

  protected:
    // Compresses `count` consecutive 64-byte blocks into the five state words.
    using BlockFunction = void (*)(std::uint32_t* state, const unsigned char* blocks,
                                   std::size_t count);

    // Uses the given block function instead of the fastest one available.
    explicit Sha1Digest(BlockFunction blocks);

  private:
    void Reset();
    void Wipe();

    BlockFunction blocks_;
    std::uint32_t state_[5];
    std::uint64_t totalBytes_;
    unsigned char pending_[64];
    std::size_t pendingSize_;
};

}  // namespace quillox
