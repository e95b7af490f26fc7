#pragma once

#include <cstddef>
#include <string>

namespace quillox {

// Why a file could not be written, in the terms the user is told.
enum class FileErrorCause {
    Unknown,
    NotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    DirectoryFull,
    HardwareIo,
    SharingViolation,
    LockViolation,
    DiskFull,
    // Refused before anything was written: the target is a folder, a device,
    // a pipe or a socket, or its owner made it read-only.
    NotRegularFile,
    ReadOnly,
    // A symbolic link in a folder everyone may write to, made by someone
    // other than the saver or the folder's owner: another user may have put
    // it there to send the data elsewhere, so it is not followed.
    UntrustedLink,
};

struct SaveFailure {
    FileErrorCause cause = FileErrorCause::Unknown;
    std::string reason;  // the system's own description, without a final full stop
};

// Which permissions the written file gets. A replaced data file keeps the
// ones its owner gave it; files holding passwords in the clear are always
// readable by their owner only, whatever the file they replace allowed.
enum class SavedFileMode { KeepExisting, OwnerOnly };

// Whether the data shows card texts to whoever reads the file. A replaced
// file's owner only gets an encrypted file back: clear text over another
// user's file stays the saver's own and readable by the saver alone.
enum class SavedContent { Clear, Encrypted };

struct SafeSaveOptions {
    // A file its owner made read-only is only replaced when asked for.
    bool replaceReadOnly = false;
    SavedFileMode mode = SavedFileMode::KeepExisting;
    // Clear unless the caller knows the bytes are enciphered, so that a
    // caller who does not say is never the one that gives cards away.
    SavedContent content = SavedContent::Clear;
};

// Writes data to a temporary file in the target's folder, flushes it to the
// disk and only then renames it over the target. A path that is a symbolic
// link is followed, so the file it points to gets the data and the link stays;
// but not a link another user planted in a shared folder such as /tmp.
// An existing target that is not a regular file, or that is read-only, is
// refused. On any failure the target keeps its old content, the temporary
// file is removed, failure says why and false is returned.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     const SafeSaveOptions& options, SaveFailure& failure);

// The same, with error set to a sentence that names path and the reason.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error, const SafeSaveOptions& options = {});

// Removes the temporary file of a save that is under way, if there is one.
// Safe to call from a signal handler, so that a program stopped by a signal
// leaves no temporary file behind. Saves run one at a time.
void RemovePendingTemporaryFile() noexcept;

}  // namespace quillox
