#include "output/xml_memory.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xmlmemory.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace quillox::output {
namespace {

// Installed for the rest of the process; other tests run in it unharmed,
// since the blocks stay the C library's own.
TEST(XmlMemory, LibxmlAllocatesThroughWipingFunctionsThatKeepItsData) {
    // A block libxml2 had before the change is still freed right.
    xmlChar* before = xmlStrdup(BAD_CAST "made before");
    WipeXmlMemoryOnFree();
    xmlFreeFunc freeFunction = nullptr;
    xmlMallocFunc mallocFunction = nullptr;
    xmlReallocFunc reallocFunction = nullptr;
    xmlStrdupFunc strdupFunction = nullptr;
    ASSERT_EQ(xmlMemGet(&freeFunction, &mallocFunction, &reallocFunction, &strdupFunction), 0);
    EXPECT_NE(freeFunction, &std::free);
    EXPECT_NE(reallocFunction, &std::realloc);
    xmlFree(before);

    // Moved blocks keep their bytes, growing and shrinking.
    char* text = static_cast<char*>(xmlMalloc(8));
    ASSERT_NE(text, nullptr);
    std::memcpy(text, "secret!", 8);
    for (const std::size_t size : {std::size_t{4096}, std::size_t{100000}, std::size_t{8}}) {
        text = static_cast<char*>(xmlRealloc(text, size));
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, "secret!") << size;
    }
    char* copy = xmlMemStrdup(text);
    EXPECT_STREQ(copy, "secret!");
    xmlFree(copy);
    xmlFree(text);
    char* fresh = static_cast<char*>(xmlRealloc(nullptr, 16));
    ASSERT_NE(fresh, nullptr);
    xmlFree(fresh);

    // libxml2 works as before on them: a document with a large text is read.
    const std::string markup = "<a b=\"c\">" + std::string(200000, 'x') + "</a>";
    xmlDoc* document = xmlReadMemory(markup.data(), static_cast<int>(markup.size()), nullptr,
                                     nullptr, XML_PARSE_NONET);
    ASSERT_NE(document, nullptr);
    xmlChar* content = xmlNodeGetContent(xmlDocGetRootElement(document));
    EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(content)), 200000u);
    xmlFree(content);
    xmlFreeDoc(document);
}

}  // namespace
}  // namespace quillox::output
