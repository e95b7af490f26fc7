#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "web/service_folder.h"

namespace quillox::web {
namespace {

namespace fs = std::filesystem;

TEST(ServiceFolder, RuntimeFolderWhenAbsoluteElsePerUserTmp) {
    EXPECT_EQ(ServiceFolderPath("/run/user/1000", 1000), "/run/user/1000/quillox");
    EXPECT_EQ(ServiceFolderPath("/run/user/1000//", 1000), "/run/user/1000/quillox");
    EXPECT_EQ(ServiceFolderPath(nullptr, 1000), "/tmp/quillox-1000");
    EXPECT_EQ(ServiceFolderPath("", 42), "/tmp/quillox-42");
    EXPECT_EQ(ServiceFolderPath("relative/dir", 42), "/tmp/quillox-42");

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

}  // namespace
}  // namespace quillox::web
