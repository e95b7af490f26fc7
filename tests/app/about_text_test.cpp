// The About box's version text, without a window.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "app/about_text.h"

namespace quillox {
namespace {

TEST(AboutText, OneTabbedLinePerEntryInOrderEmptyValuesKeepTheirLine) {
    const version::RecordEntry entries[] = {{"B", "2, 0"}, {"Empty", ""}, {"A", "x:\ty"}};
    EXPECT_EQ(VersionText(entries, std::size(entries)), "B:\t2, 0\nEmpty:\t\nA:\tx:\ty\n");
    EXPECT_EQ(VersionText(entries, 0), "");
}

TEST(AboutText, TheProgramsRecordInTheOrderOfTheAboutBox) {
    // The version numbers come from the project's version, "major.minor.patch".
    const std::string version = version::kVersion;
    const std::size_t first = version.find('.');
    const std::size_t second = version.find('.', first + 1);
    ASSERT_NE(second, std::string::npos) << version;
    const std::string major = version.substr(0, first);
    const std::string minor = version.substr(first + 1, second - first - 1);
    const std::string patch = version.substr(second + 1);

    EXPECT_EQ(AboutVersionText(), "ProductVersion:\t" + major + ", " + minor + ", " + patch +
                                      ", 0\n"
                                      "Comments:\t\n"
                                      "CompanyName:\tQMT\n"
                                      "LegalCopyright:\tCopyright (C) 2026 QMT\n"
                                      "FileVersion:\t" +
                                      major + "," + minor +
                                      "\n"
                                      "InternalName:\tQuillox\n"
                                      "ProductName:\tQMT Quillox\n");
}

}  // namespace
}  // namespace quillox
