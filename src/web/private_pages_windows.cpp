#include <windows.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <system_error>

#include "web/private_pages.h"

namespace quillox::web {

namespace fs = std::filesystem;

namespace {

constexpr wchar_t kPagePrefix[] = L"page-";
constexpr wchar_t kPageSuffix[] = L".html";

std::wstring PageName() {
    static std::random_device random;
    static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::wstring name = kPagePrefix;
    for (int i = 0; i < 16; ++i) {
        name += kLetters[random() % (sizeof kLetters / sizeof kLetters[0] - 1)];
    }
    return name + kPageSuffix;
}

}  // namespace

// Under the user's local application data, which only the user may read.
std::string PrivatePagesFolder(const char* localAppData, const char*, const char*) {
    if (localAppData == nullptr || localAppData[0] == '\0') {
        return {};
    }
    return (fs::u8path(localAppData) / "Quillox" / "pages").u8string();
}

std::string PrivatePagesFolder() {
    return PrivatePagesFolder(std::getenv("LOCALAPPDATA"), nullptr, nullptr);
}

std::optional<std::string> WritePrivatePage(const std::string& folder, std::string_view text,
                                            std::string& error) {
    const fs::path path = fs::u8path(folder);
    std::error_code failure;
    fs::create_directories(path, failure);
    if (folder.empty() || !path.is_absolute() || !fs::is_directory(path, failure) ||
        fs::is_symlink(path, failure)) {
        error = "There is no private folder for it.";
        return std::nullopt;
    }
    for (int attempt = 0; attempt < 10; ++attempt) {
        const fs::path file = path / PageName();
        // The folder's inherited permissions: the user's own.
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) {
                continue;
            }
            break;
        }
        DWORD written = 0;
        const bool complete =
            WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
            written == text.size();
        const bool closed = CloseHandle(handle) != FALSE;
        if (complete && closed) {
            return file.u8string();
        }
        DeleteFileW(file.c_str());
        break;
    }
    error = folder + ": the page could not be written.";
    return std::nullopt;
}

void RemoveStalePages(const std::string& folder, std::chrono::seconds age) {
    std::error_code failure;
    const auto cutoff = fs::file_time_type::clock::now() - age;
    for (const auto& entry : fs::directory_iterator(fs::u8path(folder), failure)) {
        const std::wstring name = entry.path().filename().wstring();
        if (name.rfind(kPagePrefix, 0) == 0 && entry.is_regular_file(failure) &&
            entry.last_write_time(failure) < cutoff) {
            fs::remove(entry.path(), failure);
        }
    }
}

}  // namespace quillox::web
