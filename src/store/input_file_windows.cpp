#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>

#include "store/input_file.h"
#include "store/input_file_messages.h"
#include "store/wide_text_windows.h"

namespace quillox {

InputFile::~InputFile() {
    if (fd_ >= 0) {
        _close(fd_);
    }
}

bool InputFile::Open(const std::string& path, std::string& error) {
    const std::wstring name = WidenUtf8(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = NotARegularFile(path);
        return false;
    }
    // Others may go on reading and writing it; only its data is read here.
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = CannotOpen(path, WindowsErrorText(GetLastError()));
        return false;
    }
    fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd_ < 0) {
        CloseHandle(file);
        error = CannotOpen(path, "it cannot be read");
        return false;
    }
    // NUL, CON, COM1 and named pipes open as files do.
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK) {
        error = NotARegularFile(path);
        return false;
    }
    if (!GetFileSizeEx(file, &size)) {
        error = CannotOpen(path, WindowsErrorText(GetLastError()));
        return false;
    }
    size_ = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

bool InputFile::Read(void* out, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(out);
    while (size > 0) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        HANDLE file = reinterpret_cast<HANDLE>(_get_osfhandle(fd_));
        if (!ReadFile(file, bytes, want, &got, nullptr) || got == 0) {
            return false;
        }
        bytes += got;
        size -= got;
    }
    return true;
}

}  // namespace quillox
