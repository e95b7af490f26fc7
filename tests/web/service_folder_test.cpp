#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "web/service_folder.h"

namespace quillox::web {
namespace {

namespace fs = std::filesystem;

TEST(ServiceFolder, RuntimeFolderElseTheUsersStateFolderNeverAShared) {
    struct Case {
        const char* runtime;
        const char* state;
        const char* home;
        std::optional<std::string> folder;
    };
    const Case cases[] = {
        {"/run/user/1000", "/h/.st", "/h", "/run/user/1000/quillox"},
        {"/run/user/1000//", nullptr, nullptr, "/run/user/1000/quillox"},
        {nullptr, "/h/.st/", "/h", "/h/.st/quillox"},
        {"", "", "/home/me", "/home/me/.local/state/quillox"},
        {"relative/dir", "relative", "/home/me/", "/home/me/.local/state/quillox"},
        {nullptr, nullptr, "relative", std::nullopt},
        {nullptr, nullptr, nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        ServiceFolderEnvironment environment;
        environment.runtimeDir = c.runtime;
        environment.stateHome = c.state;
        environment.home = c.home;
        EXPECT_EQ(ServiceFolderPath(environment), c.folder)
            << (c.runtime ? c.runtime : "-") << " " << (c.state ? c.state : "-");
    }

    EXPECT_EQ(ServiceSocketPath("/run/user/1000/quillox", "Quillox1"),
              "/run/user/1000/quillox/Quillox1");
    for (const char* bad : {"", ".", "..", "../IExplore", "a/b"}) {
        EXPECT_EQ(ServiceSocketPath("/tmp/f", bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ServiceSocketPath("/" + std::string(120, 'd'), "IExplore"), std::nullopt);
}

class PrivateFolderTest : public testing::Test {
  protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() /
                ("quillox-folder-test-" + std::to_string(std::random_device()()));
        fs::create_directories(base_);
        folder_ = (base_ / "quillox").string();
    }
    void TearDown() override { fs::remove_all(base_); }

    std::string Refusal() {
        std::string error;
        EXPECT_FALSE(MakePrivateFolder(folder_, error));
        return error;
    }

    fs::path base_;
    std::string folder_;
};

TEST_F(PrivateFolderTest, MadeForTheUserAloneWhateverTheUmask) {
    const mode_t old = umask(0277);
    std::string error;
    const bool made = MakePrivateFolder(folder_, error);
    umask(old);
    ASSERT_TRUE(made) << error;
    struct stat status {};
    ASSERT_EQ(lstat(folder_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    EXPECT_EQ(status.st_uid, geteuid());
    EXPECT_TRUE(MakePrivateFolder(folder_, error)) << error;  // taken again as it is

    EXPECT_FALSE(MakePrivateFolder((base_ / "no" / "parent").string(), error));
    EXPECT_NE(error.find("Cannot make the folder"), std::string::npos);
}

TEST_F(PrivateFolderTest, AFolderOthersCouldReachOrReplaceIsRefusedAndLeftAlone) {
    fs::create_directory(folder_);
    chmod(folder_.c_str(), 0750);
    EXPECT_NE(Refusal().find("open to other users (mode 0750)"), std::string::npos);
    EXPECT_EQ(fs::status(folder_).permissions() & fs::perms::all,
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    fs::remove(folder_);

    const fs::path target = base_ / "elsewhere";
    fs::create_directory(target);
    chmod(target.c_str(), 0700);
    fs::create_directory_symlink(target, folder_);
    EXPECT_NE(Refusal().find("is not a folder"), std::string::npos);
    fs::remove(folder_);

    std::ofstream(folder_) << "a file";
    EXPECT_NE(Refusal().find("is not a folder"), std::string::npos);
    fs::remove(folder_);

    if (geteuid() != 0) {
        GTEST_SKIP() << "giving the folder to another user needs root";
    }
    fs::create_directory(folder_);
    chmod(folder_.c_str(), 0700);
    ASSERT_EQ(chown(folder_.c_str(), 4242, 4242), 0);
    EXPECT_NE(Refusal().find("belongs to another user"), std::string::npos);
}

TEST_F(PrivateFolderTest, WithoutARuntimeFolderTheHomeHoldsItAndAShortOneStandsInForALongHome) {
    const fs::path home = base_ / "home";
    fs::create_directory(home);
    ServiceFolderEnvironment environment;
    environment.home = home.c_str();
    std::string error;
    const std::optional<std::string> folder = PrepareServiceFolder(environment, error);
    ASSERT_EQ(folder, (home / ".local/state/quillox").string()) << error;
    for (const fs::path& made : {home / ".local", home / ".local/state", fs::path(*folder)}) {
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    }

    // A home too deep for a socket's address: a short folder of the user's
    // own in /tmp, the same one the next time, a new one when it was tampered with.
    const fs::path deep = home / std::string(60, 'd') / std::string(60, 'e');
    fs::create_directories(deep);
    environment.home = deep.c_str();
    const std::optional<std::string> first = PrepareServiceFolder(environment, error);
    ASSERT_TRUE(first) << error;
    EXPECT_EQ(first->rfind("/tmp/quillox-", 0), 0u) << *first;
    EXPECT_EQ(fs::status(*first).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(ServiceSocketPath(*first, "Quillox4294967295"));
    const fs::path link = deep / ".local/state/quillox/short";
    EXPECT_EQ(fs::read_symlink(link), *first);
    EXPECT_EQ(PrepareServiceFolder(environment, error), first);

    chmod(first->c_str(), 0755);
    const std::optional<std::string> second = PrepareServiceFolder(environment, error);
    ASSERT_TRUE(second) << error;
    EXPECT_NE(second, first);
    EXPECT_EQ(fs::read_symlink(link), *second);
    fs::remove(*first);
    fs::remove(*second);

    environment.home = "relative";
    EXPECT_EQ(PrepareServiceFolder(environment, error), std::nullopt);
}

// Run by service_folder_cross_user_test.sh as a user whose /tmp name another
// user took first; it touches the real home, so only there.
TEST(ServiceFolder, PreparedFromTheEnvironmentIsTheUsersOwnWhateverOthersMade) {
    if (std::getenv("QUILLOX_CROSS_USER_TEST") == nullptr) {
        GTEST_SKIP() << "run by service_folder_cross_user_test.sh only";
    }
    std::string error;
    const std::optional<std::string> folder = PrepareServiceFolder(error);
    ASSERT_TRUE(folder) << error;
    struct stat status {};
    ASSERT_EQ(lstat(folder->c_str(), &status), 0);
    EXPECT_TRUE(S_ISDIR(status.st_mode));
    EXPECT_EQ(status.st_uid, geteuid());
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    EXPECT_EQ(*folder, std::string(std::getenv("HOME")) + "/.local/state/quillox");
}

}  // namespace
}  // namespace quillox::web
