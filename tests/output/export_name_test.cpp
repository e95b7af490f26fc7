#include "output/export_name.h"

#include <gtest/gtest.h>

namespace quillox::output {
namespace {

TEST(ExportName, TakesTheTitleWithTheExportsExtension) {
    const struct {
        const char* title;
        const char* extension;
        const char* name;
    } cases[] = {
        {"cards.qxf", "txt", "cards.txt"},     {"My Cards.QXE", "xml", "My Cards.xml"},
        {"Untitled1", "txt", "Untitled1.txt"}, {"notes.txt", "txt", "notes.txt.txt"},
        {"v1.2 keys", "xml", "v1.2 keys.xml"}, {".qxe", "txt", ".qxe.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SuggestedExportName(c.title, c.extension), c.name) << c.title;
    }
}

}  // namespace
}  // namespace quillox::output
