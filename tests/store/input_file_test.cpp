// Loading through paths: only regular files are data files, and the header
// decides before the rest of a file is read.
#include <gtest/gtest.h>

#include "store/file_messages.h"
#include "store/input_file_fixture.h"
#include "support/special_files.h"

namespace quillox::testing {
namespace {

TEST_F(InputFileTest, OnlyRegularFilesAreRead) {
    // A directory must not be taken for a huge file, nor a device for an
    // empty collection; a pipe without a writer must not block.
    std::vector<std::string> others = MakeSpecialFiles(folder_);
    others.push_back(folder_.string());
    for (const std::string& path : others) {
        const PathLoad run = LoadPath(path);
        EXPECT_FALSE(run.ok) << path;
        EXPECT_EQ(run.messages, std::vector<std::string>{path + " is not a regular file."});
    }

    const PathLoad missing = LoadPath((folder_ / "absent.qxf").string());
    EXPECT_FALSE(missing.ok);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].rfind(
                  "Cannot open the file " + (folder_ / "absent.qxf").string() + ": ", 0),
              0u)
        << missing.messages[0];
}

TEST_F(InputFileTest, TheHeaderIsJudgedBeforeTheRestIsRead) {
    const PathLoad encrypted =
        LoadPath(Sparse("64k-encrypted.qxe", FileHeader(6, 1, 0), 22 + 65536));
    EXPECT_FALSE(encrypted.ok);
    EXPECT_EQ(encrypted.messages, std::vector<std::string>{messages::kNotAQuilloxFile});

    // A plain file with a card is read whole, and an empty file is empty.
    Bytes plain = FileHeader(6, 0, 0);
    AppendCard(plain, RawCard{3, 0, 0, 0, 0, {"news", "", "", "", ""}});
    EXPECT_EQ(LoadPath(Sparse("plain.qxf", plain, plain.size())).cards, 1);
    const PathLoad empty = LoadPath(Sparse("empty.qxf", {}, 0));
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.messages.empty());
}

}  // namespace
}  // namespace quillox::testing
