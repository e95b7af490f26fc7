#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "store/card_collection.h"
#include "store/secret_string.h"

namespace quillox {

inline constexpr std::uint32_t kFileTypeCode = 0x51784C70;
inline constexpr std::uint8_t kHeaderVersion = 6;
inline constexpr std::uint8_t kZeroedTablesHeaderVersion = 5;
inline constexpr std::size_t kMaxEncryptedPlaintext = 65528;
inline constexpr std::size_t kMaxTextBytes = 32766;
inline constexpr std::size_t kDigestSize = 20;

// Shows a message to the user; the store never decides how.
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
};

struct LoadResult {
    bool ok = false;
    FileFormat format = FileFormat::Current;
    bool encrypted = false;
    std::optional<std::uint8_t> headerVersion;  // header byte 1; current-format files only
};

// Whole 8-byte blocks for n bytes, counting only n's low 16 bits.
std::uint16_t PayloadBlockCount(std::size_t n);

// Reads a data file image and adds every card to its category of the
// collection; cards already there stay. On success after an encrypted read the
// collection holds the entered password and is set to save encrypted.
LoadResult LoadCardFile(const unsigned char* data, std::size_t size, CardCollection& collection,
                        const LoadContext& context);

// Reads the file at path and loads it as above; a file that cannot be read is
// reported through the context's message sink.
LoadResult LoadCardFileFromPath(const std::string& path, CardCollection& collection,
                                const LoadContext& context);

// Builds the current-format image of the collection into out. On an encrypted
// save the collection's stored digest becomes the password's.
bool SaveCardFile(CardCollection& collection, std::vector<unsigned char>& out,
                  const MessageSink& showMessage);

// Saves through a temporary file, so a failure leaves the file at path as it was.
bool SaveCardFileToPath(CardCollection& collection, const std::string& path,
                        const MessageSink& showMessage);

// The title a path is shown under: its file name without folders.
std::string FileTitleOf(const std::string& path);

}  // namespace quillox
