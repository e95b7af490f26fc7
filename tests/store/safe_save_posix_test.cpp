// Saving on POSIX systems: pipes and devices, a disk that fills up, symbolic
// links and other users' files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "store/card_file.h"
#include "store/file_size_limit.h"
#include "store/link_trust.h"
#include "store/safe_save_fixture.h"

namespace quillox {
namespace {

namespace fs = std::filesystem;
using testing::SafeSaveTest;

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

TEST_F(SafeSaveTest, AReplacedFileKeepsItsMode) {
    const fs::path shared = folder_ / "shared.qxf";
    Write(shared, "old content that is longer");
    ::chmod(shared.c_str(), 0640);
    std::string error;
    ASSERT_TRUE(Save(shared, "new", error)) << error;
    struct stat info {};
    ASSERT_EQ(::stat(shared.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SafeSaveTest, PipesAndAFullDiskAreCausesOfFailures) {
    SaveFailure failure;
    const fs::path shared = folder_ / "export.txt";
    Write(shared, "secret");
    const fs::path pipe = folder_ / "pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(SaveOwnerOnly(pipe, "data", failure));
    EXPECT_EQ(failure.cause, FileErrorCause::NotRegularFile);
    EXPECT_EQ(failure.reason, "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(pipe));

    bool ok = false;
    {
        testing::FileSizeLimit limit;
        ASSERT_TRUE(limit.Lower(4096));
        ok = SaveOwnerOnly(shared, std::string(100000, 'x'), failure);
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(failure.cause, FileErrorCause::DiskFull);
    EXPECT_EQ(Read(shared), "secret");
    EXPECT_EQ(EntriesInFolder(), 2u);
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

// A user who is not the one running the tests, as root can make files of.
constexpr uid_t kOtherUser = 65534;

TEST_F(SafeSaveTest, ClearTextOverAnotherUsersFileStaysTheSaversOwnAndPrivate) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    struct Case {
        SavedContent content;
        SavedFileMode mode;
        uid_t oldOwner;
        uid_t newOwner;
        mode_t newMode;
    };
    const Case cases[] = {
        {SavedContent::Clear, SavedFileMode::KeepExisting, kOtherUser, 0, 0600},
        {SavedContent::Clear, SavedFileMode::OwnerOnly, kOtherUser, 0, 0600},
        {SavedContent::Clear, SavedFileMode::KeepExisting, 0, 0, 0644},
        {SavedContent::Clear, SavedFileMode::OwnerOnly, 0, 0, 0600},
        {SavedContent::Encrypted, SavedFileMode::KeepExisting, kOtherUser, kOtherUser, 0644},
        {SavedContent::Encrypted, SavedFileMode::OwnerOnly, kOtherUser, kOtherUser, 0600},
    };
    const fs::path target = folder_ / "theirs.txt";
    for (const Case& c : cases) {
        Write(target, "old");
        ASSERT_EQ(::chown(target.c_str(), c.oldOwner, c.oldOwner), 0);
        ASSERT_EQ(::chmod(target.c_str(), 0644), 0);
        SaveFailure failure;
        ASSERT_TRUE(WriteFileSafely(target.string(), reinterpret_cast<const unsigned char*>("new"),
                                    3, SafeSaveOptions{false, c.mode, c.content}, failure))
            << failure.reason;
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        const std::string which = std::to_string(static_cast<int>(c.content)) + "/" +
                                  std::to_string(static_cast<int>(c.mode)) + " over " +
                                  std::to_string(c.oldOwner);
        EXPECT_EQ(info.st_uid, c.newOwner) << which;
        EXPECT_EQ(info.st_gid, c.newOwner) << which;
        EXPECT_EQ(info.st_mode & 0777, c.newMode) << which;
        EXPECT_EQ(Read(target), "new");
    }

    // A plain save decides by what it writes: encrypted keeps the owner, plain does not.
    CardCollection collection;
    collection.SetFilePassword(SecretString("longpassword"));
    for (const bool encrypt : {true, false}) {
        Write(target, "old");
        ASSERT_EQ(::chown(target.c_str(), kOtherUser, kOtherUser), 0);
        collection.SetEncryptOnSave(encrypt);
        ASSERT_TRUE(SaveCardFileToPath(collection, target.string(), nullptr));
        struct stat info {};
        ASSERT_EQ(::stat(target.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, encrypt ? kOtherUser : 0u) << encrypt;
    }
}

TEST(LinkTrust, OnlyTheFollowersOrTheFolderOwnersLinksAreFollowedInASharedFolder) {
    constexpr uid_t me = 1000;
    constexpr uid_t folderOwner = 0;
    constexpr uid_t stranger = 1001;
    struct Case {
        mode_t folderMode;
        uid_t linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {S_IFDIR | 01777, stranger, false},  // /tmp
        {S_IFDIR | 01777, me, true},
        {S_IFDIR | 01777, folderOwner, true},
        {S_IFDIR | 01775, stranger, true},  // the others may not write
        {S_IFDIR | 0777, stranger, true},   // not sticky: they could replace any file anyway
        {S_IFDIR | 01770, stranger, true},
        {S_IFDIR | 01002, stranger, false},  // sticky and writable by all is enough
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MayFollowLink(LinkPlace{c.folderMode, folderOwner, c.linkOwner}, me), c.followed)
            << std::oct << c.folderMode << std::dec << " link of " << c.linkOwner;
    }
}

TEST_F(SafeSaveTest, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed) {
    const fs::path shared = folder_ / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path precious = folder_ / "precious.txt";
    Write(precious, "keep me");
    const fs::path own = shared / "own.txt";
    fs::create_symlink(precious, own);
    // The saver's own link there is followed, as before.
    std::string error;
    ASSERT_TRUE(Save(own, "through my link", error)) << error;
    EXPECT_EQ(Read(precious), "through my link");
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can make a link of another user";
    }
    Write(precious, "keep me");
    const fs::path planted = shared / "export.txt";
    const fs::path dangling = shared / "new.txt";
    fs::create_symlink(precious, planted);
    fs::create_symlink(folder_ / "created-by-link.txt", dangling);
    // A link to their own link: the second one is refused as well.
    const fs::path chain = folder_ / "chain.txt";
    fs::create_symlink(planted, chain);
    for (const fs::path& link : {planted, dangling}) {
        ASSERT_EQ(::lchown(link.c_str(), kOtherUser, kOtherUser), 0);
    }
    for (const fs::path& link : {planted, dangling, chain}) {
        EXPECT_FALSE(Save(link, "stolen", error)) << link;
        EXPECT_EQ(error, link.string() +
                             " is a symbolic link that another user made in a shared folder; it "
                             "was not followed.");
        SaveFailure failure;
        EXPECT_FALSE(WriteFileSafely(link.string(), reinterpret_cast<const unsigned char*>("x"), 1,
                                     SafeSaveOptions{}, failure));
        EXPECT_EQ(failure.cause, FileErrorCause::UntrustedLink);
    }
    EXPECT_EQ(Read(precious), "keep me");
    EXPECT_FALSE(fs::exists(folder_ / "created-by-link.txt"));
    EXPECT_TRUE(fs::is_symlink(planted));
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 3);
}

TEST_F(SafeSaveTest, ReadOnlyModesStayAndOtherThanRegularTargetsAreRefused) {
    const fs::path locked = folder_ / "locked.qxf";
    Write(locked, "keep me");
    ::chmod(locked.c_str(), 0444);
    std::string error;
    ASSERT_TRUE(WriteFileSafely(locked.string(), reinterpret_cast<const unsigned char*>("new"), 3,
                                error, SafeSaveOptions{true}))
        << error;
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

}  // namespace
}  // namespace quillox
