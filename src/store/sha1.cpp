#include "store/sha1.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "store/secure_wipe.h"
#include "store/sha1_blocks.h"

namespace quillox {

namespace {

inline std::uint32_t RotateLeft(std::uint32_t x, int n) {
    return (x << n) | (x >> (32 - n));
}

inline std::uint32_t LoadBigEndian(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) << 24 | static_cast<std::uint32_t>(bytes[1]) << 16 |
           static_cast<std::uint32_t>(bytes[2]) << 8 | static_cast<std::uint32_t>(bytes[3]);
}

struct Choose {
    std::uint32_t operator()(std::uint32_t b, std::uint32_t c, std::uint32_t d) const {
        return d ^ (b & (c ^ d));
    }
};

struct Parity {
    std::uint32_t operator()(std::uint32_t b, std::uint32_t c, std::uint32_t d) const {
        return b ^ c ^ d;
    }
};

struct Majority {
    std::uint32_t operator()(std::uint32_t b, std::uint32_t c, std::uint32_t d) const {
        return (b & c) | (d & (b | c));
    }
};

template <typename Function>
inline void Step(std::uint32_t a, std::uint32_t& b, std::uint32_t c, std::uint32_t d,
                 std::uint32_t& e, std::uint32_t k, std::uint32_t word) {
    e += RotateLeft(a, 5) + Function()(b, c, d) + k + word;
    b = RotateLeft(b, 30);
}

// The message schedule is a ring of sixteen words, each expanded just before
// its step. A full 80-word array let the compiler vectorise the expansion into
// stores that the following loads could not be forwarded from.
template <int t>
inline std::uint32_t Word(std::uint32_t (&w)[16]) {
    if constexpr (t >= 16) {
        w[t & 15] = RotateLeft(w[(t + 13) & 15] ^ w[(t + 8) & 15] ^ w[(t + 2) & 15] ^ w[t & 15], 1);
    }
    return w[t & 15];
}

// Passing the variables in rotated order saves moving them between registers
// after each step.
template <typename Function, int t>
inline void FiveSteps(std::uint32_t (&v)[5], std::uint32_t k, std::uint32_t (&w)[16]) {
    Step<Function>(v[0], v[1], v[2], v[3], v[4], k, Word<t>(w));
    Step<Function>(v[4], v[0], v[1], v[2], v[3], k, Word<t + 1>(w));
    Step<Function>(v[3], v[4], v[0], v[1], v[2], k, Word<t + 2>(w));
    Step<Function>(v[2], v[3], v[4], v[0], v[1], k, Word<t + 3>(w));
    Step<Function>(v[1], v[2], v[3], v[4], v[0], k, Word<t + 4>(w));
}

// Twenty steps with one function, unrolled at compile time so that every
// schedule index is a constant.
template <typename Function, int first, int... group>
inline void Stage(std::uint32_t (&v)[5], std::uint32_t k, std::uint32_t (&w)[16],
                  std::integer_sequence<int, group...>) {
    (FiveSteps<Function, first + 5 * group>(v, k, w), ...);
}

// The schedule is derived from the message, which may be secret, so it is
// wiped before returning.
void PortableBlocks(std::uint32_t* state, const unsigned char* blocks, std::size_t count) {
    std::uint32_t w[16];
    for (; count > 0; --count, blocks += 64) {
        for (int t = 0; t < 16; ++t) {
            w[t] = LoadBigEndian(blocks + 4 * t);
        }
        std::uint32_t v[5] = {state[0], state[1], state[2], state[3], state[4]};
        const auto groups = std::make_integer_sequence<int, 4>();
        Stage<Choose, 0>(v, 0x5A827999, w, groups);
        Stage<Parity, 20>(v, 0x6ED9EBA1, w, groups);
        Stage<Majority, 40>(v, 0x8F1BBCDC, w, groups);
        Stage<Parity, 60>(v, 0xCA62C1D6, w, groups);
        for (int i = 0; i < 5; ++i) {
            state[i] += v[i];
        }
    }
    SecureWipe(w, sizeof w);
}

// Returns Sha1Digest::BlockFunction, a name only Sha1Digest and its subclasses
// may use.
auto BlocksFor([[maybe_unused]] Sha1Path path) {
#if defined(QUILLOX_SHA1_X86)
    if (path == Sha1Path::Hardware && Sha1HardwareAvailable()) {
        return Sha1BlocksShaNi;
    }
#endif
    return PortableBlocks;
}

}  // namespace

bool Sha1HardwareAvailable() {
#if defined(QUILLOX_SHA1_X86)
    static const bool available = Sha1ShaNiSupported();
    return available;
#else
    return false;
#endif
}

Sha1DigestOnPath::Sha1DigestOnPath(Sha1Path path) : Sha1Digest(BlocksFor(path)) {}

Sha1Digest::Sha1Digest() : Sha1Digest(BlocksFor(Sha1Path::Hardware)) {}

Sha1Digest::Sha1Digest(BlockFunction blocks) : blocks_(blocks) {
    Reset();
}

Sha1Digest::~Sha1Digest() {
    Wipe();
}

void Sha1Digest::Reset() {
    state_[0] = 0x67452301;
    state_[1] = 0xEFCDAB89;
    state_[2] = 0x98BADCFE;
    state_[3] = 0x10325476;
    state_[4] = 0xC3D2E1F0;
    totalBytes_ = 0;
    pendingSize_ = 0;
}

void Sha1Digest::Wipe() {
    SecureWipe(state_, sizeof state_);
    SecureWipe(pending_, sizeof pending_);
    SecureWipe(&totalBytes_, sizeof totalBytes_);
    SecureWipe(&pendingSize_, sizeof pendingSize_);
}

void Sha1Digest::Update(const void* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    totalBytes_ += size;
    if (pendingSize_ > 0) {
        const std::size_t take = std::min(size, sizeof pending_ - pendingSize_);
        std::memcpy(pending_ + pendingSize_, bytes, take);
        pendingSize_ += take;
        bytes += take;
        size -= take;
        if (pendingSize_ < sizeof pending_) {
            return;
        }
        blocks_(state_, pending_, 1);
        pendingSize_ = 0;
    }
    const std::size_t fullBlocks = size / 64;
    if (fullBlocks > 0) {
        blocks_(state_, bytes, fullBlocks);
        bytes += 64 * fullBlocks;
        size -= 64 * fullBlocks;
    }
    std::memcpy(pending_, bytes, size);
    pendingSize_ = size;
}

Sha1Value Sha1Digest::Finish() {
    const std::uint64_t bitLength = totalBytes_ * 8;
    pending_[pendingSize_++] = 0x80;
    if (pendingSize_ > 56) {
        std::memset(pending_ + pendingSize_, 0, sizeof pending_ - pendingSize_);
        blocks_(state_, pending_, 1);
        pendingSize_ = 0;
    }
    std::memset(pending_ + pendingSize_, 0, 56 - pendingSize_);
    for (int i = 0; i < 8; ++i) {
        pending_[56 + i] = static_cast<unsigned char>(bitLength >> (56 - 8 * i));
    }
    blocks_(state_, pending_, 1);

    Sha1Value digest;
    for (std::size_t i = 0; i < 5; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            digest[4 * i + j] = static_cast<unsigned char>(state_[i] >> (24 - 8 * j));
        }
    }
    Wipe();
    Reset();
    return digest;
}

Sha1Value Sha1Digest::Of(const void* data, std::size_t size) {
    Sha1Digest digest;
    digest.Update(data, size);
    return digest.Finish();
}

}  // namespace quillox
