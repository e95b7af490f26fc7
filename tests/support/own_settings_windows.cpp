#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/own_settings.h"

namespace quillox::testing {

namespace {

const std::wstring kTestKeys = L"Software\\Quillox tests\\";

std::vector<std::wstring>& MadeKeys() {
    static std::vector<std::wstring> keys;
    return keys;
}

// Back to the user's own HKEY_CURRENT_USER, to remove what the tests made.
void RemoveMadeKeys() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    for (const std::wstring& key : MadeKeys()) {
        RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Quillox tests");
}

}  // namespace

// The settings live in the registry under HKEY_CURRENT_USER: the process's
// HKEY_CURRENT_USER becomes a fresh key of the test's own.
bool UseOwnSettings(const std::filesystem::path& root) {
    if (MadeKeys().empty()) {
        std::atexit(RemoveMadeKeys);
    }
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    const std::wstring name = kTestKeys + root.filename().wstring();
    RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    MadeKeys().push_back(name);
    const bool overridden = RegOverridePredefKey(HKEY_CURRENT_USER, key) == ERROR_SUCCESS;
    RegCloseKey(key);
    return overridden;
}

}  // namespace quillox::testing
