#pragma once

#include <cstddef>
#include <string>

namespace quillox {

struct SafeSaveOptions {
    // A file its owner made read-only is only replaced when asked for.
    bool replaceReadOnly = false;
};

// Writes data to a temporary file in the target's folder, flushes it to the
// disk and only then renames it over the target. A path that is a symbolic
// link is followed, so the file it points to gets the data and the link stays.
// An existing target that is not a regular file, or that is read-only, is
// refused. On any failure the target keeps its old content, the temporary
// file is removed, error says what went wrong and false is returned.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error, const SafeSaveOptions& options = {});

// Removes the temporary file of a save that is under way, if there is one.
// Safe to call from a signal handler, so that a program stopped by a signal
// leaves no temporary file behind. Saves run one at a time.
void RemovePendingTemporaryFile() noexcept;

}  // namespace quillox
