#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/card_collection.h"
#include "store/encryption_form.h"
#include "store/kdf_cost.h"
#include "store/safe_save.h"
#include "store/secret_string.h"

namespace quillox {

inline constexpr std::uint32_t kFileTypeCode = 0x51784C70;
inline constexpr std::uint8_t kHeaderVersion = 6;
inline constexpr std::uint8_t kZeroedTablesHeaderVersion = 5;
inline constexpr std::size_t kMaxEncryptedPlaintext = 65528;
inline constexpr std::size_t kMaxTextBytes = 32766;
inline constexpr std::size_t kDigestSize = 20;

// Shows a message to the user; the store never decides how. Messages are
// UTF-8: card texts in them are converted, paths are as given.
using MessageSink = std::function<void(const std::string& message)>;
// Asks for the password of an encrypted file under the given window title;
// nothing when the user cancels.
using PasswordPrompt = std::function<std::optional<SecretString>(const std::string& title)>;

enum class FileFormat { Current, Legacy1001, Legacy1002 };

struct LoadContext {
    PasswordPrompt askPassword;
    MessageSink showMessage;
    std::string fileTitle;  // shown in the password prompt's title
    int dateFormat = 0;     // for the cards' modification texts
    // The most a strong file may make the key derivation spend.
    KdfCost kdfCeiling = kKdfCeiling;
};

struct LoadResult {
    bool ok = false;
    FileFormat format = FileFormat::Current;
    bool encrypted = false;
    std::optional<std::uint8_t> headerVersion;  // header byte 1; current-format files only
    std::optional<EncryptionForm> form;         // encrypted current-format files only
};

enum class FileKind { Empty, Legacy1001, Legacy1002, Current, Foreign };

// The bytes at the start of a file that tell what it is: the header and a
// strong file's envelope.
inline constexpr std::size_t kRecognisedHeadSize = 80;

// What a file is, judged from its size and its first bytes (head holds the
// first min(fileSize, n) of them, n at least 22; with kRecognisedHeadSize a
// strong file's envelope is judged too). Foreign files, current-format files
// included whose encrypted payload no writer can have made, are "not a
// Quillox file".
FileKind RecogniseFile(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize);

// What a file says of itself in the clear, without its password.
struct FileFacts {
    FileKind kind = FileKind::Foreign;
    bool encrypted = false;
    std::optional<EncryptionForm> form;  // encrypted current-format files only
    std::optional<KdfCost> kdfCost;      // strong files whose envelope is sound
};
// head as for RecogniseFile, with kRecognisedHeadSize bytes where the file has them.
FileFacts InspectCardFile(const unsigned char* head, std::size_t headSize, std::uint64_t fileSize);

// Whole 8-byte blocks for n bytes, counting only n's low 16 bits.
std::uint16_t PayloadBlockCount(std::size_t n);

// Reads a data file image and adds every card to its category of the
// collection; cards already there stay. On success after an encrypted read the
// collection holds the entered password and is set to save encrypted, in the
// form the file was in.
LoadResult LoadCardFile(const unsigned char* data, std::size_t size, CardCollection& collection,
                        const LoadContext& context);

// Reads the file at path and loads it as above; a file that cannot be read,
// or that is not a regular file, is reported through the context's message
// sink.
LoadResult LoadCardFileFromPath(const std::string& path, CardCollection& collection,
                                const LoadContext& context);

// Builds the current-format image of the collection into out, encrypted in
// the collection's form when it saves encrypted. On a compatible save the
// collection's stored digest becomes the password's.
bool SaveCardFile(CardCollection& collection, std::vector<unsigned char>& out,
                  const MessageSink& showMessage);

// Saves through a temporary file, so a failure leaves the file at path as it
// was. Whether the file holds clear text comes from the collection, whatever
// options say.
bool SaveCardFileToPath(CardCollection& collection, const std::string& path,
                        const MessageSink& showMessage, const SafeSaveOptions& options = {});

// The bytes a compatible encrypted save of the collection enciphers before
// padding: the password's digest and every card. At most
// kMaxEncryptedPlaintext fit; a collection saved in the strong form always fits.
std::uint64_t EncryptedPlaintextSize(const CardCollection& collection);
bool FitsEncrypted(const CardCollection& collection);
// What an encrypted save of too many cards says, for a plaintext of needed bytes.
std::string TooBigToEncryptMessage(std::uint64_t needed);

// The title a path is shown under: its file name without folders.
std::string FileTitleOf(const std::string& path);

}  // namespace quillox
