#pragma once

namespace quillox {

// How an encrypted data file is enciphered. Compatible is the form every
// earlier version reads: Blowfish keyed by the password, at most 65,528 bytes
// of cards. Strong derives the key with Argon2id and seals the cards with
// XChaCha20-Poly1305, so no byte can change unnoticed and there is no limit
// but memory.
enum class EncryptionForm { Compatible, Strong };

}  // namespace quillox
