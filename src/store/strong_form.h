#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "store/card_collection.h"
#include "store/kdf_cost.h"
#include "store/secret_string.h"

// The strong encrypted form: the usual 22-byte header with byte 12 = 2, then
// an envelope in the clear (magic, version, key derivation and its cost,
// salt, nonce), then the card sequence sealed with XChaCha20-Poly1305 under
// a key derived from the password with Argon2id. Header and envelope are the
// associated data, so that no byte of the file can change unnoticed.
namespace quillox {

inline constexpr std::uint8_t kStrongFormByte = 2;
inline constexpr std::uint8_t kStrongEnvelopeVersion = 1;
inline constexpr std::uint8_t kKdfArgon2id13 = 1;
inline constexpr std::size_t kStrongSaltSize = 16;
inline constexpr std::size_t kStrongNonceSize = 24;
inline constexpr std::size_t kStrongTagSize = 16;
inline constexpr std::size_t kStrongKeySize = 32;
// magic (4), version (1), KDF id (1), operations (u32), memory in bytes
// (u64), salt, nonce.
inline constexpr std::size_t kStrongEnvelopeSize =
    4 + 1 + 1 + 4 + 8 + kStrongSaltSize + kStrongNonceSize;
inline constexpr std::size_t kStrongSealedOffset = kFileHeaderSize + kStrongEnvelopeSize;
inline constexpr std::size_t kStrongMinFileSize = kStrongSealedOffset + kStrongTagSize;
inline constexpr unsigned char kStrongMagic[4] = {'Q', 'x', 'S', 'e'};

struct StrongEnvelope {
    std::uint8_t version = kStrongEnvelopeVersion;
    std::uint8_t kdfId = kKdfArgon2id13;
    KdfCost cost;
    std::array<unsigned char, kStrongSaltSize> salt{};
    std::array<unsigned char, kStrongNonceSize> nonce{};
};

// Whether the bytes after a header start with the envelope's magic; head
// holds the file's first headSize bytes. True when head is too short to say.
bool HasStrongMagic(const unsigned char* head, std::size_t headSize);

// The envelope of a strong file image of size bytes (at least its header and
// envelope), header first; nothing when the image is too short, or its
// version, key derivation or cost is not one this program accepts. Costs
// above ceiling count as damage.
std::optional<StrongEnvelope> ReadStrongEnvelope(const unsigned char* image, std::size_t size,
                                                 const KdfCost& ceiling);

// Seals the strong image in image: its header is at the start, and the
// cards at kStrongSealedOffset, followed by room for the tag. Fills in the
// envelope with a fresh salt and nonce and enciphers the cards in place.
// False, with the cards left as they were, when the key derivation finds no
// memory.
bool SealStrong(std::vector<unsigned char>& image, const SecretString& password,
                const KdfCost& cost);

enum class OpenOutcome { Opened, Refused, OutOfMemory };

// Checks a strong image of size bytes whole, and only then deciphers its
// cards in place, at kStrongSealedOffset. Refused means a wrong password or a
// changed file; the image is then left as it was.
OpenOutcome OpenStrong(unsigned char* image, std::size_t size, const StrongEnvelope& envelope,
                       const SecretString& password);

}  // namespace quillox
