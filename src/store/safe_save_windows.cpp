#include <aclapi.h>
#include <windows.h>

#include <algorithm>
#include <memory>

#include "store/owner_only_security_windows.h"
#include "store/safe_save.h"
#include "store/safe_save_refusal.h"
#include "store/wide_text_windows.h"

namespace quillox {

namespace {

FileErrorCause CauseOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
            return FileErrorCause::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_FILENAME_EXCED_RANGE:
            return FileErrorCause::BadPath;
        case ERROR_TOO_MANY_OPEN_FILES:
            return FileErrorCause::TooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return FileErrorCause::AccessDenied;
        case ERROR_CANNOT_MAKE:
            return FileErrorCause::DirectoryFull;
        case ERROR_CRC:
        case ERROR_SEEK:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
            return FileErrorCause::HardwareIo;
        case ERROR_SHARING_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
        case ERROR_USER_MAPPED_FILE:
            return FileErrorCause::SharingViolation;
        case ERROR_LOCK_VIOLATION:
            return FileErrorCause::LockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileErrorCause::DiskFull;
        default:
            return FileErrorCause::Unknown;
    }
}

bool Fail(DWORD code, SaveFailure& failure) {
    failure.cause = CauseOf(code);
    failure.reason = WindowsErrorText(code);
    return false;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"/\\");
    if (slash == std::wstring::npos) {
        return L".";
    }
    return path.substr(0, slash);
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

Handle Own(HANDLE handle) {
    return Handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// The file a path names once links and junctions are followed, as the
// link's owner meant; the path itself when it is no link.
std::wstring FinalPath(const std::wstring& path, DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return path;
    }
    const Handle file = Own(CreateFileW(
        path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) {
        return path;
    }
    wchar_t final[32768];
    const DWORD length = GetFinalPathNameByHandleW(file.get(), final, 32767, FILE_NAME_NORMALIZED);
    return length == 0 || length >= 32767 ? path : std::wstring(final, length);
}

// Devices (CON, NUL, COM1, a named pipe) answer to file names too.
bool IsDisk(const std::wstring& path) {
    const Handle file =
        Own(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return !file || GetFileType(file.get()) == FILE_TYPE_DISK;
}

// The temporary file of the save under way, where a Ctrl+C handler can find
// it: a fixed buffer, since the handler may run at any moment.
wchar_t pendingTemporary[32768];
volatile LONG pendingTemporarySet = 0;

void ForgetTemporary(const std::wstring& name, bool remove) {
    if (remove) {
        DeleteFileW(name.c_str());
    }
    InterlockedExchange(&pendingTemporarySet, 0);
}

// A new file beside the target, under a name nobody else holds. Others may
// only delete it, so that a stopped save can still remove it.
Handle CreateTemporary(const std::wstring& folder, SECURITY_ATTRIBUTES* security,
                       std::wstring& name, DWORD& error) {
    const unsigned long long seed = GetTickCount64() ^ (GetCurrentProcessId() * 2654435761ull);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        wchar_t suffix[40];
        swprintf(suffix, 40, L"\\.qx-%llx.tmp", seed + attempt * 7919ull);
        name = folder + suffix;
        if (name.size() >= sizeof pendingTemporary / sizeof pendingTemporary[0]) {
            error = ERROR_FILENAME_EXCED_RANGE;
            return nullptr;
        }
        std::copy(name.c_str(), name.c_str() + name.size() + 1, pendingTemporary);
        InterlockedExchange(&pendingTemporarySet, 1);
        HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, security,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            return Own(file);
        }
        InterlockedExchange(&pendingTemporarySet, 0);
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return nullptr;
        }
    }
    return nullptr;
}

bool WriteAll(HANDLE file, const unsigned char* data, std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        DWORD chunk = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size - written, 1u << 30));
        if (!WriteFile(file, data + written, want, &chunk, nullptr) || chunk == 0) {
            return false;
        }
        written += chunk;
    }
    return FlushFileBuffers(file) != 0;
}

// Puts the complete temporary file in the target's place. ReplaceFileW keeps
// the replaced file's identity (its access list, attributes, streams); a
// file that must stay private is moved over instead, keeping its own list.
// Either way the target is never half-written: the old one stays when
// another program holds it open.
DWORD Replace(const std::wstring& temporary, const std::wstring& target, bool exists,
              bool keepIdentity) {
    if (exists && keepIdentity) {
        const std::wstring backup = temporary + L".old";
        if (ReplaceFileW(target.c_str(), temporary.c_str(), backup.c_str(),
                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            DeleteFileW(backup.c_str());
            return ERROR_SUCCESS;
        }
        const DWORD code = GetLastError();
        // The old file was moved aside and the new one could not take its
        // name: the old one goes back.
        if (code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            MoveFileExW(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        }
        return code;
    }
    if (MoveFileExW(temporary.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ERROR_SUCCESS;
    }
    return GetLastError();
}

}  // namespace

bool WriteFileSafely(const std::string& path, const unsigned char* data, std::size_t size,
                     const SafeSaveOptions& options, SaveFailure& failure) {
    const std::wstring named = WidenUtf8(path);
    DWORD attributes = GetFileAttributesW(named.c_str());
    const std::wstring target =
        attributes == INVALID_FILE_ATTRIBUTES ? named : FinalPath(named, attributes);
    attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Refuse(FileErrorCause::NotRegularFile, "Is a directory", failure);
    }
    if (!IsDisk(target)) {
        return Refuse(FileErrorCause::NotRegularFile, "Not a regular file", failure);
    }
    const bool readOnly = exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly && !options.replaceReadOnly) {
        return Refuse(FileErrorCause::ReadOnly, "Read-only file", failure);
    }
    // Clear text is the user's alone: in a new file, or wherever it must be.
    const bool ownerOnly = options.mode == SavedFileMode::OwnerOnly ||
                           (!exists && options.content == SavedContent::Clear);
    OwnerOnlySecurity security;
    SECURITY_ATTRIBUTES* descriptor = ownerOnly ? security.Attributes() : nullptr;
    if (ownerOnly && descriptor == nullptr) {
        return Fail(GetLastError(), failure);
    }
    std::wstring temporary;
    DWORD code = ERROR_SUCCESS;
    Handle file = CreateTemporary(FolderOf(target), descriptor, temporary, code);
    if (!file) {
        return Fail(code, failure);
    }
    if (!WriteAll(file.get(), data, size)) {
        code = GetLastError();
        file.reset();
        ForgetTemporary(temporary, true);
        return Fail(code, failure);
    }
    file.reset();
    if (readOnly) {
        SetFileAttributesW(target.c_str(),
                           attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    code = Replace(temporary, target, exists, !ownerOnly);
    ForgetTemporary(temporary, code != ERROR_SUCCESS);
    if (code != ERROR_SUCCESS) {
        if (readOnly) {
            SetFileAttributesW(target.c_str(), attributes);
        }
        return Fail(code, failure);
    }
    if (readOnly) {
        const DWORD now = GetFileAttributesW(target.c_str());
        SetFileAttributesW(target.c_str(), now | FILE_ATTRIBUTE_READONLY);
    }
    return true;
}

void RemovePendingTemporaryFile() noexcept {
    if (pendingTemporarySet != 0) {
        DeleteFileW(pendingTemporary);
    }
}

}  // namespace quillox
