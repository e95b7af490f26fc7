#pragma once

#include <optional>

#include "store/card_file.h"

// Pieces shared by the readers of the current and the old file formats.
namespace quillox::detail {

// Asks for the file's password. Nothing when the user cancels; an empty entry
// is reported to the user and returned, so that the caller's check fails.
std::optional<SecretString> AskFilePassword(const LoadContext& context);

// Reads a "Version1.001" or "Version1.002" file.
LoadResult ReadLegacyFile(const unsigned char* data, std::size_t size, FileFormat format,
                          CardCollection& collection, const LoadContext& context);

void Report(const LoadContext& context, const std::string& message);

}  // namespace quillox::detail
