// Saving on Windows: devices, files other programs hold open, and names
// beyond the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "store/safe_save_fixture.h"

namespace quillox {
namespace {

namespace fs = std::filesystem;
using testing::SafeSaveTest;

TEST_F(SafeSaveTest, DevicesAndFilesHeldOpenWithoutSharingAreNotReplaced) {
    SaveFailure failure;
    EXPECT_FALSE(SaveOwnerOnly("NUL", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::NotRegularFile);

    const fs::path held = folder_ / "held.qxf";
    Write(held, "in use");
    HANDLE other = CreateFileW(held.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    std::string error;
    EXPECT_FALSE(Save(held, "new", error));
    EXPECT_EQ(error.rfind("Cannot save the file " + held.string() + ": ", 0), 0u) << error;
    CloseHandle(other);
    EXPECT_EQ(Read(held), "in use");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeSaveTest, NamesOutsideTheAnsiCodePageAreSavedUnderThatName) {
    const std::string name = "caf\xC3\xA9 \xD0\x9A\xE2\x82\xAC.qxf";
    const fs::path path = folder_ / fs::u8path(name);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(folder_.u8string() + "\\" + name,
                                reinterpret_cast<const unsigned char*>("cards"), 5, error))
        << error;
    EXPECT_EQ(Read(path), "cards");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

}  // namespace
}  // namespace quillox
