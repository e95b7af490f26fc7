// XML exports on POSIX systems: the system's own reasons and other users'
// links.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "output/output_test_support.h"
#include "output/xml_export.h"

namespace quillox::output {
namespace {

class PosixXmlExportFile : public testing::TempFolderTest {};

TEST_F(PosixXmlExportFile, FailuresGiveTheSystemsReasonAndKeepTheOldFile) {
    const CardCollection collection;
    const std::string existing = Path("old.xml");
    Write(existing, "previous export");
    std::string message;
    EXPECT_FALSE(ExportXml(existing + "/x.xml", collection, "t", {}, message));
    EXPECT_EQ(message, "The file " + existing + "/x.xml could not be written: Not a directory.");
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can make a link of another user";
    }
    // Another user's link in a folder everyone may write to, pointing at ours.
    const std::string shared = Path("shared");
    std::filesystem::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    const std::string planted = shared + "/export.xml";
    std::filesystem::create_symlink(existing, planted);
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(ExportXml(planted, collection, "t", {}, message));
    EXPECT_EQ(message, "The file " + planted +
                           " could not be written: Symbolic link made by another user in a "
                           "shared folder.");
    std::filesystem::remove_all(shared);
    EXPECT_EQ(Read(existing), "previous export");
}

}  // namespace
}  // namespace quillox::output
