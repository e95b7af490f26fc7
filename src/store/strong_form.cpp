#include "store/strong_form.h"

#include <sodium.h>

#include <cstdint>
#include <cstring>

#include "store/byte_io.h"
#include "store/guarded_memory.h"

namespace quillox {

namespace {

constexpr std::size_t kVersionOffset = 4;
constexpr std::size_t kKdfIdOffset = 5;
constexpr std::size_t kOperationsOffset = 6;
constexpr std::size_t kMemoryOffset = 10;
constexpr std::size_t kSaltOffset = 18;
constexpr std::size_t kNonceOffset = kSaltOffset + kStrongSaltSize;

static_assert(kNonceOffset + kStrongNonceSize == kStrongEnvelopeSize);
static_assert(kStrongKeySize == crypto_aead_xchacha20poly1305_ietf_KEYBYTES);
static_assert(kStrongNonceSize == crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
static_assert(kStrongTagSize == crypto_aead_xchacha20poly1305_ietf_ABYTES);
static_assert(kStrongSaltSize == crypto_pwhash_SALTBYTES);

bool IsAcceptedCost(const KdfCost& cost, const KdfCost& ceiling) {
    return cost.operations >= crypto_pwhash_argon2id_OPSLIMIT_MIN &&
           cost.operations <= ceiling.operations &&
           cost.memoryBytes >= crypto_pwhash_argon2id_MEMLIMIT_MIN &&
           cost.memoryBytes <= ceiling.memoryBytes && cost.memoryBytes <= SIZE_MAX;
}

// The key in guarded memory; null when Argon2id could not get its memory.
GuardedBytes DeriveKey(const SecretString& password, const StrongEnvelope& envelope) {
    GuardedBytes key = AllocateGuarded(kStrongKeySize);
    if (crypto_pwhash(key.get(), kStrongKeySize, password.data(), password.size(),
                      envelope.salt.data(), envelope.cost.operations,
                      static_cast<std::size_t>(envelope.cost.memoryBytes),
                      crypto_pwhash_ALG_ARGON2ID13) != 0) {
        return nullptr;
    }
    return key;
}

}  // namespace

bool HasStrongMagic(const unsigned char* head, std::size_t headSize) {
    const std::size_t have = headSize > kFileHeaderSize ? headSize - kFileHeaderSize : 0;
    return std::memcmp(head + kFileHeaderSize, kStrongMagic,
                       have < sizeof kStrongMagic ? have : sizeof kStrongMagic) == 0;
}

std::optional<StrongEnvelope> ReadStrongEnvelope(const unsigned char* image, std::size_t size,
                                                 const KdfCost& ceiling) {
    if (size < kStrongSealedOffset || !HasStrongMagic(image, kStrongSealedOffset)) {
        return std::nullopt;
    }
    const unsigned char* at = image + kFileHeaderSize;
    StrongEnvelope envelope;
    envelope.version = at[kVersionOffset];
    envelope.kdfId = at[kKdfIdOffset];
    envelope.cost = {ReadU32(at + kOperationsOffset), ReadU64(at + kMemoryOffset)};
    if (envelope.version != kStrongEnvelopeVersion || envelope.kdfId != kKdfArgon2id13 ||
        !IsAcceptedCost(envelope.cost, ceiling)) {
        return std::nullopt;
    }
    std::memcpy(envelope.salt.data(), at + kSaltOffset, kStrongSaltSize);
    std::memcpy(envelope.nonce.data(), at + kNonceOffset, kStrongNonceSize);
    return envelope;
}

bool SealStrong(std::vector<unsigned char>& image, const SecretString& password,
                const KdfCost& cost) {
    EnsureSodium();
    StrongEnvelope envelope;
    envelope.cost = cost;
    randombytes_buf(envelope.salt.data(), envelope.salt.size());
    randombytes_buf(envelope.nonce.data(), envelope.nonce.size());
    const GuardedBytes key = DeriveKey(password, envelope);
    if (!key) {
        return false;
    }
    unsigned char* at = image.data() + kFileHeaderSize;
    std::memcpy(at, kStrongMagic, sizeof kStrongMagic);
    at[kVersionOffset] = envelope.version;
    at[kKdfIdOffset] = envelope.kdfId;
    WriteU32(at + kOperationsOffset, cost.operations);
    WriteU64(at + kMemoryOffset, cost.memoryBytes);
    std::memcpy(at + kSaltOffset, envelope.salt.data(), kStrongSaltSize);
    std::memcpy(at + kNonceOffset, envelope.nonce.data(), kStrongNonceSize);
    // libsodium seals in place: the cards are read before their bytes are
    // overwritten.
    unsigned char* cards = image.data() + kStrongSealedOffset;
    crypto_aead_xchacha20poly1305_ietf_encrypt(
        cards, nullptr, cards, image.size() - kStrongMinFileSize, image.data(), kStrongSealedOffset,
        nullptr, envelope.nonce.data(), key.get());
    return true;
}

OpenOutcome OpenStrong(unsigned char* image, std::size_t size, const StrongEnvelope& envelope,
                       const SecretString& password) {
    EnsureSodium();
    const GuardedBytes key = DeriveKey(password, envelope);
    if (!key) {
        return OpenOutcome::OutOfMemory;
    }
    // libsodium checks the tag before it deciphers a byte, and deciphers in
    // place.
    unsigned char* sealed = image + kStrongSealedOffset;
    const int opened = crypto_aead_xchacha20poly1305_ietf_decrypt(
        sealed, nullptr, nullptr, sealed, size - kStrongSealedOffset, image, kStrongSealedOffset,
        envelope.nonce.data(), key.get());
    return opened == 0 ? OpenOutcome::Opened : OpenOutcome::Refused;
}

}  // namespace quillox
