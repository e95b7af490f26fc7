// Builds files of every format around fuzzed plaintext, enciphered under the
// right password when the format is encrypted (the strong form sealed at the
// fuzzer's low cost), so that the readers behind
// the password check are reached; then answers the prompt as a user might:
// right, empty, cancelled or wrong.
//
// Input: byte 0 chooses the answer, byte 1 the format, the rest is the
// plaintext after the password check's prefix (the digest or "XYZ").
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "store/blowfish.h"
#include "store/sha1.h"

namespace {

using quillox::fuzz::Bytes;

enum class Answer { Right, Empty, Cancelled, Wrong };

struct Format {
    const char* marker;   // nothing for the current format
    const char* version;  // nothing for the current format
    bool encrypted;
    bool digest;  // the plaintext starts with the password's digest, else "XYZ"
    bool strong = false;
};

constexpr Format kFormats[] = {
    {nullptr, nullptr, false, false},
    {nullptr, nullptr, true, true},
    {"NTENCRYPT", "Version1.001", false, false},
    {"ENCRYPTED", "Version1.001", true, false},
    {"NTENCRYPT", "Version1.002", false, true},
    {"ENCRYPTED", "Version1.002", true, true},
    {nullptr, nullptr, true, false, true},
};

Bytes BuildStrongFile(const std::uint8_t* body, std::size_t size) {
    Bytes file = {0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0, 0x70, 0x4C, 0x78, 0x51, 1, 2, 3, 4};
    file.resize(quillox::kStrongSealedOffset);
    file.insert(file.end(), body, body + size);
    file.resize(file.size() + quillox::kStrongTagSize);
    if (!quillox::SealStrong(file, quillox::SecretString(std::string(quillox::fuzz::kPassword)),
                             quillox::fuzz::kFuzzKdfCost)) {
        __builtin_trap();
    }
    return file;
}

Bytes BuildFile(const Format& format, const std::uint8_t* body, std::size_t size) {
    if (format.strong) {
        return BuildStrongFile(body, size);
    }
    Bytes plain;
    if (format.digest) {
        const quillox::Sha1Value digest = quillox::Sha1Digest::Of(quillox::fuzz::kPassword, 8);
        plain.assign(digest.begin(), digest.end());
    } else if (format.marker != nullptr) {
        plain = {'X', 'Y', 'Z'};
    }
    plain.insert(plain.end(), body, body + size);
    Bytes file;
    if (format.marker == nullptr) {
        file = {0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0x70, 0x4C, 0x78, 0x51, 1, 2, 3, 4};
        file[12] = format.encrypted ? 1 : 0;
    } else {
        const std::string head = std::string(format.marker) + format.version;
        file.assign(head.begin(), head.end());
    }
    if (format.encrypted) {
        plain.resize((plain.size() + 7) / 8 * 8, 0);
        const quillox::BlowfishCipher cipher(
            reinterpret_cast<const unsigned char*>(quillox::fuzz::kPassword), 8,
            quillox::StartTables::Standard);
        cipher.EncryptBlocks(plain.data(), plain.size() / 8);
    }
    file.insert(file.end(), plain.begin(), plain.end());
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const auto answer = static_cast<Answer>(data[0] % 4);
    const Format& format = kFormats[data[1] % (sizeof kFormats / sizeof kFormats[0])];
    const Bytes file = BuildFile(format, data + 2, size - 2);

    std::optional<std::string> typed;
    if (answer == Answer::Right) {
        typed = quillox::fuzz::kPassword;
    } else if (answer == Answer::Empty) {
        typed = std::string();
    } else if (answer == Answer::Wrong) {
        typed = "passwore";
    }
    int asked = 0;
    const quillox::LoadContext context = quillox::fuzz::Answering(typed, &asked);
    quillox::CardCollection collection;
    const quillox::LoadResult result =
        quillox::LoadCardFile(file.data(), file.size(), collection, context);

    // Only an encrypted file asks, and then exactly once.
    if (asked != (format.encrypted ? 1 : 0)) {
        __builtin_trap();
    }
    const bool rightOrNotAsked = !format.encrypted || answer == Answer::Right;
    // An encrypted current-format file too long for its block count is refused.
    const bool writable =
        format.marker != nullptr || !format.encrypted || format.strong || file.size() - 22 <= 65528;
    if (rightOrNotAsked && writable && !result.ok) {
        __builtin_trap();
    }
    // A password check that fails adds no card and no password. The old
    // format's "XYZ" check could pass a wrong password by chance; the digest
    // and the strong form's tag cannot.
    if (!rightOrNotAsked && (format.digest || format.strong || answer != Answer::Wrong)) {
        if (result.ok || quillox::fuzz::CountCards(collection) != 0 ||
            collection.GetEncryptOnSave() || !collection.GetFilePassword().empty()) {
            __builtin_trap();
        }
    }
    if (result.ok) {
        quillox::fuzz::CheckRoundTrip(collection);
    }
    return 0;
}
