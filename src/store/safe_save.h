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
};

struct SaveFailure {
    FileErrorCause cause = FileErrorCause::Unknown;
    std::string reason;  // the system's own description, without a final full stop
};

// Which permissions the written file gets. A replaced data file keeps the
// ones its owner gave it; files holding passwords in the clear are always
// readable by their owner only, whatever the file they replace allowed.
enum class SavedFileMode { KeepExisting, OwnerOnly };

// Writes data to a temporary file beside path, flushes it to the disk and only
// then renames it over path. Only a regular file (or nothing) at path is
// replaced. On any failure path keeps its old content, the temporary file is
// removed, failure says why and false is returned.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     SavedFileMode mode, SaveFailure& failure);

// The same, keeping the permissions of a replaced file, with error set to a
// sentence that names path and the reason.
bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     std::string& error);

}  // namespace quillox
