// Saving through paths, as every system does it.
#include <gtest/gtest.h>

#include <filesystem>

#include "store/card_file.h"
#include "store/safe_save_fixture.h"
#include "support/file_access.h"

namespace quillox {
namespace {

namespace fs = std::filesystem;
using testing::SafeSaveTest;

TEST_F(SafeSaveTest, WritesNewFilesOwnerOnlyAndReplacedOnesStayShared) {
    const fs::path fresh = folder_ / "new.qxe";
    std::string error;
    ASSERT_TRUE(Save(fresh, "first", error)) << error;
    EXPECT_EQ(Read(fresh), "first");
    EXPECT_TRUE(testing::OwnerOnly(fresh.string()));

    const fs::path shared = folder_ / "shared.qxf";
    Write(shared, "old content that is longer");
    testing::OpenToEveryone(shared.string());
    ASSERT_TRUE(Save(shared, "new", error)) << error;
    EXPECT_EQ(Read(shared), "new");
    EXPECT_FALSE(testing::OwnerOnly(shared.string()));
    EXPECT_EQ(EntriesInFolder(), 2u);
}

TEST_F(SafeSaveTest, UnwritablePlacesAreReportedAndLeaveNothingBehind) {
    std::string error;
    EXPECT_FALSE(Save(folder_ / "missing" / "cards.qxe", "data", error));
    EXPECT_NE(error.find("missing"), std::string::npos);

    const fs::path directory = folder_ / "a-folder.qxe";
    fs::create_directory(directory);
    error.clear();
    EXPECT_FALSE(Save(directory, "data", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeSaveTest, OwnerOnlyFilesAndTheCausesOfFailures) {
    SaveFailure failure;
    const fs::path shared = folder_ / "export.txt";
    Write(shared, "readable by all");
    testing::OpenToEveryone(shared.string());
    ASSERT_TRUE(SaveOwnerOnly(shared, "secret", failure)) << failure.reason;
    EXPECT_TRUE(testing::OwnerOnly(shared.string()));
    EXPECT_EQ(Read(shared), "secret");

    // A folder at the path is not replaced by a file.
    fs::create_directory(folder_ / "folder.txt");
    EXPECT_FALSE(SaveOwnerOnly(folder_ / "folder.txt", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::NotRegularFile);
    EXPECT_FALSE(SaveOwnerOnly(folder_ / "missing" / "x.txt", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::BadPath);
    EXPECT_FALSE(SaveOwnerOnly(shared / "x.txt", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::BadPath);
    EXPECT_EQ(Read(shared), "secret");
    EXPECT_EQ(EntriesInFolder(), 2u);
}

TEST_F(SafeSaveTest, ReadOnlyFilesAreReplacedOnlyWhenAskedFor) {
    const fs::path locked = folder_ / "locked.qxf";
    Write(locked, "keep me");
    fs::permissions(locked,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    std::string error;
    EXPECT_FALSE(Save(locked, "replaced", error));
    EXPECT_EQ(error, "Access to " + locked.string() + " was denied.");
    EXPECT_EQ(Read(locked), "keep me");

    // Asked for, it is replaced and stays read-only.
    ASSERT_TRUE(WriteFileSafely(locked.string(), reinterpret_cast<const unsigned char*>("new"), 3,
                                error, SafeSaveOptions{true}))
        << error;
    EXPECT_EQ(Read(locked), "new");
    EXPECT_EQ(fs::status(locked).permissions() & fs::perms::owner_write, fs::perms::none);
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeSaveTest, AnyNameTheFileSystemAllowsCanBeSaved) {
    const fs::path longest = folder_ / std::string(255, 'n');
    std::string error;
    ASSERT_TRUE(Save(longest, "cards", error)) << error;
    EXPECT_EQ(Read(longest), "cards");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(SafeSaveTest, CollectionsSaveAndLoadThroughPaths) {
    CardCollection collection;
    auto card = std::make_unique<CardRecord>();
    card->SetField1("through the disk");
    card->SetCategoryId(13);
    collection.AddCard(13, std::move(card));
    std::vector<std::string> shown;
    const fs::path path = folder_ / "club.qxf";
    ASSERT_TRUE(SaveCardFileToPath(collection, path.string(),
                                   [&shown](const std::string& m) { shown.push_back(m); }));
    CardCollection loaded;
    LoadContext context;
    context.showMessage = [&shown](const std::string& m) { shown.push_back(m); };
    ASSERT_TRUE(LoadCardFileFromPath(path.string(), loaded, context).ok);
    ASSERT_EQ(loaded.Category(13).Count(), 1);
    EXPECT_EQ(loaded.Category(13).At(0)->GetField1(), "through the disk");
    EXPECT_TRUE(shown.empty());

    EXPECT_FALSE(LoadCardFileFromPath((folder_ / "absent.qxf").string(), loaded, context).ok);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("absent.qxf"), std::string::npos);
    EXPECT_EQ(FileTitleOf("/home/me/data/club.qxf"), "club.qxf");
}

}  // namespace
}  // namespace quillox
