#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/card_file.h"
#include "store/file_size_limit.h"
#include "store/safe_save.h"
#include "store/test_folder.h"

namespace quillox {
namespace {

namespace fs = std::filesystem;

class SafeSaveTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = quillox::testing::FreshTestFolder("quillox-safe-save-"); }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static bool Save(const fs::path& path, const std::string& text, std::string& error) {
        return WriteFileSafely(path.string(), reinterpret_cast<const unsigned char*>(text.data()),
                               text.size(), error);
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

TEST_F(SafeSaveTest, WritesNewFilesOwnerOnlyAndKeepsTheModeOfReplacedOnes) {
    const fs::path fresh = folder_ / "new.qxe";
    std::string error;
    ASSERT_TRUE(Save(fresh, "first", error)) << error;
    EXPECT_EQ(Read(fresh), "first");
    struct stat info {};
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const fs::path shared = folder_ / "shared.qxf";
    Write(shared, "old content that is longer");
    ::chmod(shared.c_str(), 0640);
    ASSERT_TRUE(Save(shared, "new", error)) << error;
    EXPECT_EQ(Read(shared), "new");
    ASSERT_EQ(::stat(shared.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(EntriesInFolder(), 2u);
}

TEST_F(SafeSaveTest, AFailedWriteLeavesTheTargetAndNoTemporaryFile) {
    const fs::path target = folder_ / "cards.qxf";
    Write(target, "precious");
    // Running out of room part way.
    std::string error;
    bool ok = false;
    {
        testing::FileSizeLimit limit;
        ASSERT_TRUE(limit.Lower(4096));
        ok = Save(target, std::string(100000, 'x'), error);
    }

    EXPECT_FALSE(ok);
    EXPECT_NE(error.find(target.string()), std::string::npos) << error;
    EXPECT_EQ(Read(target), "precious");
    EXPECT_EQ(EntriesInFolder(), 1u);
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
    const auto save = [](const fs::path& path, const std::string& text, SaveFailure& failure) {
        return WriteFileSafely(path.string(), reinterpret_cast<const unsigned char*>(text.data()),
                               text.size(), SafeSaveOptions{false, SavedFileMode::OwnerOnly},
                               failure);
    };
    SaveFailure failure;
    const fs::path shared = folder_ / "export.txt";
    Write(shared, "readable by all");
    ::chmod(shared.c_str(), 0644);
    ASSERT_TRUE(save(shared, "secret", failure)) << failure.reason;
    struct stat info {};
    ASSERT_EQ(::stat(shared.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    // Neither a folder nor a pipe at the path is replaced by a file.
    const fs::path pipe = folder_ / "pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(save(pipe, "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::NotRegularFile);
    EXPECT_EQ(failure.reason, "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(pipe));
    fs::create_directory(folder_ / "folder.txt");
    EXPECT_FALSE(save(folder_ / "folder.txt", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::NotRegularFile);
    EXPECT_FALSE(save(folder_ / "missing" / "x.txt", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::BadPath);
    EXPECT_FALSE(save(shared / "x.txt", "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::BadPath);

    bool ok = false;
    {
        testing::FileSizeLimit limit;
        ASSERT_TRUE(limit.Lower(4096));
        ok = save(shared, std::string(100000, 'x'), failure);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(failure.cause, FileErrorCause::DiskFull);
    EXPECT_EQ(Read(shared), "secret");
    EXPECT_EQ(EntriesInFolder(), 3u);
}

TEST_F(SafeSaveTest, SymbolicLinksAreFollowedToTheFileTheyName) {
    fs::create_directory(folder_ / "real");
    const fs::path file = folder_ / "real" / "cards.qxf";
    Write(file, "old cards");
    fs::create_symlink("real/cards.qxf", folder_ / "relative.qxf");
    fs::create_symlink(folder_ / "relative.qxf", folder_ / "chain.qxf");
    fs::create_symlink("real/new.qxf", folder_ / "dangling.qxf");
    std::string error;
    for (const char* link : {"relative.qxf", "chain.qxf"}) {
        ASSERT_TRUE(Save(folder_ / link, link, error)) << error;
        EXPECT_EQ(Read(file), link);
        EXPECT_TRUE(fs::is_symlink(folder_ / link));
    }
    ASSERT_TRUE(Save(folder_ / "dangling.qxf", "created", error)) << error;
    EXPECT_EQ(Read(folder_ / "real" / "new.qxf"), "created");
    EXPECT_TRUE(fs::is_symlink(folder_ / "dangling.qxf"));

    fs::create_symlink("loop-b", folder_ / "loop-a");
    fs::create_symlink("loop-a", folder_ / "loop-b");
    EXPECT_FALSE(Save(folder_ / "loop-a", "x", error));
    EXPECT_EQ(EntriesInFolder(), 6u);
}

TEST_F(SafeSaveTest, ReadOnlyAndOtherThanRegularTargetsAreRefused) {
    const fs::path locked = folder_ / "locked.qxf";
    Write(locked, "keep me");
    ::chmod(locked.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(Save(locked, "replaced", error));
    EXPECT_EQ(error, "Access to " + locked.string() + " was denied.");
    EXPECT_EQ(Read(locked), "keep me");

    // Asked for, it is replaced and stays read-only.
    ASSERT_TRUE(WriteFileSafely(locked.string(), reinterpret_cast<const unsigned char*>("new"), 3,
                                error, SafeSaveOptions{true}))
        << error;
    EXPECT_EQ(Read(locked), "new");
    struct stat info {};
    ASSERT_EQ(::stat(locked.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);

    const fs::path fifo = folder_ / "pipe.qxf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/null", folder_ / "null.qxf");
    for (const fs::path& target : {fifo, folder_ / "null.qxf"}) {
        EXPECT_FALSE(Save(target, "data", error));
        EXPECT_EQ(error, target.string() + " is not a regular file.");
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(EntriesInFolder(), 3u);
}

TEST_F(SafeSaveTest, AnyNameTheFileSystemAllowsCanBeSaved) {
    const fs::path longest = folder_ / std::string(255, 'n');
    std::string error;
    ASSERT_TRUE(Save(longest, "cards", error)) << error;
    EXPECT_EQ(Read(longest), "cards");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// The temporary file, seen from a signal that arrives while it is written:
// a short name of its own in the target's folder, owner-only, and gone after
// RemovePendingTemporaryFile, as a program stopped by a signal calls it.
std::vector<std::string> seenTemporaries;
std::vector<unsigned> seenModes;
bool goneAfterRemoval = false;
std::string watchedFolder;

void WatchTemporary(int) {
    for (const auto& entry : fs::directory_iterator(watchedFolder)) {
        const std::string name = entry.path().filename().string();
        if (name != "cards.qxf") {
            seenTemporaries.push_back(name);
            struct stat info {};
            ::stat(entry.path().c_str(), &info);
            seenModes.push_back(info.st_mode & 0777);
        }
    }
    RemovePendingTemporaryFile();
    goneAfterRemoval = std::distance(fs::directory_iterator(watchedFolder), {}) == 1;
}

TEST_F(SafeSaveTest, TheTemporaryFileIsNamedApartAndRemovableFromASignalHandler) {
    const fs::path target = folder_ / "cards.qxf";
    Write(target, "precious");
    watchedFolder = folder_.string();
    std::string error;
    bool ok = false;
    {
        testing::FileSizeLimit limit(WatchTemporary);
        ASSERT_TRUE(limit.Lower(4096));
        ok = Save(target, std::string(100000, 'x'), error);
    }

    EXPECT_FALSE(ok);
    ASSERT_EQ(seenTemporaries.size(), 1u);
    EXPECT_EQ(seenTemporaries[0].rfind(".qx-", 0), 0u) << seenTemporaries[0];
    EXPECT_EQ(seenTemporaries[0].size(), 10u);
    EXPECT_EQ(seenModes[0], 0600u);
    EXPECT_TRUE(goneAfterRemoval);
    EXPECT_EQ(Read(target), "precious");
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
