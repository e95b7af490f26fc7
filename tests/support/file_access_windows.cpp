#include <aclapi.h>
#include <sddl.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "store/wide_text_windows.h"
#include "support/file_access.h"

namespace quillox::testing {

namespace {

struct LocalDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};
using Descriptor = std::unique_ptr<void, LocalDeleter>;

// The file's access list, and the descriptor that holds it.
Descriptor ReadAccess(const std::string& path, PACL& list) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    list = nullptr;
    if (GetNamedSecurityInfoW(WidenUtf8(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &list, nullptr, &descriptor) != ERROR_SUCCESS) {
        return nullptr;
    }
    return Descriptor(descriptor);
}

std::vector<unsigned char> CurrentUser() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return {};
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    const bool known = GetTokenInformation(token, TokenUser, user.data(), size, &size) != 0;
    CloseHandle(token);
    return known ? user : std::vector<unsigned char>{};
}

// The access list in the system's own notation.
std::string AccessOf(const std::string& path) {
    PACL list = nullptr;
    const Descriptor descriptor = ReadAccess(path, list);
    LPWSTR text = nullptr;
    if (!descriptor ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorW(
            descriptor.get(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
        return "unreadable";
    }
    const std::wstring wide(text);
    LocalFree(text);
    return std::string(wide.begin(), wide.end());
}

// Every entry that lets anyone in names the current user or the system
// itself, and one names the user. A list that inherits nothing holds just
// the user's entry; Wine shows a file's list as its POSIX mode, where the
// system is always there.
bool GrantsTheUserAlone(const std::string& path) {
    PACL list = nullptr;
    const Descriptor descriptor = ReadAccess(path, list);
    const std::vector<unsigned char> user = CurrentUser();
    if (!descriptor || list == nullptr || user.empty()) {
        return false;
    }
    const PSID userSid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
    bool userIn = false;
    for (DWORD index = 0; index < list->AceCount; ++index) {
        void* entry = nullptr;
        if (!GetAce(list, index, &entry)) {
            return false;
        }
        if (static_cast<ACE_HEADER*>(entry)->AceType != ACCESS_ALLOWED_ACE_TYPE) {
            continue;
        }
        const PSID sid = &static_cast<ACCESS_ALLOWED_ACE*>(entry)->SidStart;
        if (EqualSid(sid, userSid)) {
            userIn = true;
        } else if (!IsWellKnownSid(sid, WinLocalSystemSid)) {
            return false;
        }
    }
    return userIn;
}

}  // namespace

::testing::AssertionResult OwnerOnly(const std::string& path) {
    if (GrantsTheUserAlone(path)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << path << " has the access list " << AccessOf(path);
}

void OpenToEveryone(const std::string& path) {
    PSID everyone = nullptr;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone)) {
        return;
    }
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = GENERIC_READ | GENERIC_WRITE;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
    PACL list = nullptr;
    if (SetEntriesInAclW(1, &access, nullptr, &list) == ERROR_SUCCESS) {
        std::wstring wide = WidenUtf8(path);
        SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                              DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, list, nullptr);
        LocalFree(list);
    }
    FreeSid(everyone);
}

}  // namespace quillox::testing
