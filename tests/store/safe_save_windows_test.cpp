// The safe save on Windows: wide-character paths, a file another program
// holds open, and clear text that only its owner may read.
#include <aclapi.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "store/card_file.h"
#include "store/owner_only_security_windows.h"
#include "store/safe_save.h"
#include "store/wide_text_windows.h"

namespace quillox {
namespace {

std::string TemporaryFolder(const std::string& name) {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    const std::string folder = NarrowToUtf8(std::wstring(base)) + name;
    CreateDirectoryW(WidenUtf8(folder).c_str(), nullptr);
    return folder;
}

std::string Contents(const std::string& path) {
    HANDLE file = CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    std::string bytes(4096, '\0');
    DWORD got = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

bool Save(const std::string& path, const std::string& bytes, SafeSaveOptions options = {}) {
    SaveFailure failure;
    return WriteFileSafely(path, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                           options, failure);
}

TEST(SafeSaveWindows, CardsRoundTripThroughAFolderAndFileWithWideNames) {
    const std::string folder = TemporaryFolder("Caf\xc3\xa9 \xe2\x82\xac");
    const std::string path = folder + "\\cartes \xe2\x82\xac.qxf";
    CardCollection cards;
    cards.AddCard(0, std::make_unique<CardRecord>());
    std::string message;
    ASSERT_TRUE(SaveCardFileToPath(cards, path, [&](const std::string& m) { message = m; }))
        << message;
    CardCollection read;
    const LoadResult result = LoadCardFileFromPath(path, read, {});
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(read.Category(0).Count(), 1);
    ASSERT_TRUE(Save(path, "second"));
    EXPECT_EQ(Contents(path), "second");
}

TEST(SafeSaveWindows, AFileHeldOpenByAnotherProgramIsReportedAndKept) {
    const std::string path = TemporaryFolder("qx-held") + "\\held.qxf";
    ASSERT_TRUE(Save(path, "old"));
    HANDLE held = CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SaveFailure failure;
    const std::string bytes = "new";
    EXPECT_FALSE(WriteFileSafely(path, reinterpret_cast<const unsigned char*>(bytes.data()),
                                 bytes.size(), {}, failure));
    CloseHandle(held);
    EXPECT_NE(failure.reason, "");
    EXPECT_EQ(Contents(path), "old");
    // Nothing of the failed save stays beside it.
    WIN32_FIND_DATAW found;
    HANDLE search =
        FindFirstFileW(WidenUtf8(TemporaryFolder("qx-held") + "\\.qx-*").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    FindClose(search);
}

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
