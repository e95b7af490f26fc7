// What clear text is made with on Windows: an access list for its owner alone.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "store/owner_only_security_windows.h"

namespace quillox {
namespace {

// Whether acl holds one entry, granting everything to the current user.
bool GrantsTheUserAlone(PACL acl) {
    ACL_SIZE_INFORMATION size{};
    if (acl == nullptr || !GetAclInformation(acl, &size, sizeof size, AclSizeInformation) ||
        size.AceCount != 1) {
        return false;
    }
    void* ace = nullptr;
    GetAce(acl, 0, &ace);
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    unsigned char user[256];
    DWORD length = sizeof user;
    GetTokenInformation(token, TokenUser, user, length, &length);
    CloseHandle(token);
    const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
    return allowed->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
           EqualSid(const_cast<DWORD*>(&allowed->SidStart),
                    reinterpret_cast<TOKEN_USER*>(user)->User.Sid) != 0;
}

// Wine keeps no access lists of its own on disk, so what the new files are
// made with is checked where Windows receives it.
TEST(SafeSaveWindows, ClearTextIsMadeTheOwnersAlone) {
    OwnerOnlySecurity security;
    ASSERT_NE(security.Attributes(), nullptr);
    auto* descriptor =
        static_cast<PSECURITY_DESCRIPTOR>(security.Attributes()->lpSecurityDescriptor);
    BOOL present = FALSE;
    BOOL defaulted = TRUE;
    PACL acl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted));
    EXPECT_TRUE(present);
    EXPECT_FALSE(defaulted);
    EXPECT_TRUE(GrantsTheUserAlone(acl));
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    // Nothing the folder grants others is inherited.
    EXPECT_NE(control & SE_DACL_PROTECTED, 0);
}

}  // namespace
}  // namespace quillox
