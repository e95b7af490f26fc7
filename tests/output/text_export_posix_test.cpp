// Text exports on POSIX systems: the system's own reasons, a disk that fills
// up, folders the user may not write to and other users' links.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "output/output_test_support.h"
#include "output/text_export.h"
#include "store/file_size_limit.h"

namespace quillox::output {
namespace {

using testing::AddCard;

class PosixTextExportFile : public testing::TempFolderTest {};

TEST_F(PosixTextExportFile, FailuresGiveTheSystemsReasonAndKeepTheOldFile) {
    CardCollection collection;
    AddCard(collection, 0, {"site", "url", "me", std::string(100000, 's')});
    const std::string existing = Path("old.txt");
    Write(existing, "previous export");
    const auto exportTo = [&](const std::string& path) {
        std::string message;
        EXPECT_FALSE(ExportText(path, collection, "t", "d", {}, message)) << path;
        return message;
    };
    const auto failed = [](const std::string& path, const std::string& reason) {
        return "The file " + path + " could not be written: " + reason + ".";
    };
    EXPECT_EQ(exportTo(Path("missing/out.txt")),
              failed(Path("missing/out.txt"), "No such file or directory"));
    EXPECT_EQ(exportTo(existing + "/out.txt"), failed(existing + "/out.txt", "Not a directory"));

    // The disk filling up part way.
    std::string message;
    {
        quillox::testing::FileSizeLimit limit;
        ASSERT_TRUE(limit.Lower(4096));
        message = exportTo(existing);
    }
    EXPECT_EQ(message, failed(existing, "File too large"));

    if (::geteuid() != 0) {  // the superuser writes into any folder
        const std::string locked = Path("locked");
        std::filesystem::create_directory(locked);
        ::chmod(locked.c_str(), 0500);
        EXPECT_EQ(exportTo(locked + "/out.txt"), failed(locked + "/out.txt", "Permission denied"));
        ::chmod(locked.c_str(), 0700);
        std::filesystem::remove(locked);
    } else {
        // Another user's link in a folder everyone may write to, pointing at ours.
        const std::string shared = Path("shared");
        std::filesystem::create_directory(shared);
        ::chmod(shared.c_str(), 01777);
        const std::string planted = shared + "/export.txt";
        std::filesystem::create_symlink(existing, planted);
        ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);
        EXPECT_EQ(exportTo(planted),
                  failed(planted, "Symbolic link made by another user in a shared folder"));
        std::filesystem::remove_all(shared);
    }
    EXPECT_EQ(Read(existing), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
}

}  // namespace
}  // namespace quillox::output
