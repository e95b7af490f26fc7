#include "output/xml_export.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <vector>

#include "output/output_test_support.h"
#include "output/xml_root_name.h"
#include "support/file_access.h"

namespace quillox::output {
namespace {

using testing::AddCard;

// An element as read back: name, attributes in order, text, children.
struct Element {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
    std::vector<Element> children;
};

std::string Utf8(const xmlChar* text) {
    return text == nullptr ? "" : reinterpret_cast<const char*>(text);
}

// Reads an element; texts between elements (indentation) end up in text.
Element ReadElement(const xmlNode* node) {
    Element element{Utf8(node->name), {}, {}, {}};
    for (const xmlAttr* attribute = node->properties; attribute; attribute = attribute->next) {
        xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attribute));
        element.attributes.emplace_back(Utf8(attribute->name), Utf8(value));
        xmlFree(value);
    }
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE) {
            element.children.push_back(ReadElement(child));
        } else if (child->type == XML_TEXT_NODE) {
            element.text += Utf8(child->content);
        } else {
            ADD_FAILURE() << "unexpected node of type " << child->type << " in " << element.name;
        }
    }
    return element;
}

// Parses an exported file; the root element, or nothing when not well-formed.
std::optional<Element> ParseExport(const std::string& path) {
    xmlDoc* document = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
    if (document == nullptr) {
        return std::nullopt;
    }
    EXPECT_EQ(Utf8(document->encoding), "UTF-16");
    Element root = ReadElement(xmlDocGetRootElement(document));
    xmlFreeDoc(document);
    return root;
}

const std::string kDate = FormatCardDate(3000000000u, 4);

CardCollection Sample() {
    CardCollection collection;
    AddCard(collection, 4, {"Net bank", "https://bank", "me", "pw"});
    AddCard(collection, 7, {"First <&> \"Bank\"", "12-34", "J. Doe \x80", "0042"},
            "line one\r\nline two\x01");
    AddCard(collection, 7, {"", "", "", ""});
    AddCard(collection, 9, {"Card", "Bank", "555", "1234"}, "pin");
    AddCard(collection, 0, {"Site \x80", "https://x", "user", std::string(5000, 'p')})
        .SetModified(3000000000u);
    collection.Category(0).At(0)->SetModifiedTextFormat(4);
    return collection;
}

Element Field(const std::string& name, const std::string& label, const std::string& text) {
    return Element{name, {{"Name", label}}, text, {}};
}

Element Card(const std::string& name, const std::string& category, const FieldLabels& labels,
             const std::array<std::string, 3>& fields, const std::string* note,
             const std::string& date) {
    Element card{"Card", {{"Name", name}, {"Category", category}}, "", {}};
    for (std::size_t i = 0; i < 3; ++i) {
        card.children.push_back(Field("Field_" + std::to_string(i + 1), labels[i + 1], fields[i]));
    }
    if (note != nullptr) {
        card.children.push_back(Element{"Note", {}, *note, {}});
    }
    card.children.push_back(Element{"Date", {}, date, {}});
    return card;
}

void ExpectSame(const Element& actual, const Element& expected) {
    EXPECT_EQ(actual.name, expected.name);
    EXPECT_EQ(actual.attributes, expected.attributes) << expected.name;
    EXPECT_EQ(actual.text, expected.text) << expected.name;
    ASSERT_EQ(actual.children.size(), expected.children.size()) << expected.name;
    for (std::size_t i = 0; i < expected.children.size(); ++i) {
        ExpectSame(actual.children[i], expected.children[i]);
    }
}

class XmlExportFile : public testing::TempFolderTest {};

TEST_F(XmlExportFile, WritesTheTreeInUtf16OwnerOnly) {
    ASSERT_TRUE(XmlExportAvailable());
    const CardCollection collection = Sample();
    const std::string path = Path("cards.xml");
    std::string message;
    ASSERT_TRUE(ExportXml(path, collection, "My Cards", {}, message)) << message;
    const std::string bytes = Read(path);
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\xFF\xFE<\0?\0x\0m\0l\0", 12));
    // Characters are written as they are, not as character references, and a
    // line break is one line feed.
    EXPECT_EQ(bytes.find(std::string("&\0#\0", 4)), std::string::npos);
    EXPECT_EQ(bytes.find(std::string("\r\0", 2)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("o\0n\0e\0\n\0l\0i\0n\0e\0", 16)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("S\0i\0t\0e\0 \0\xAC\x20\"\0", 14)), std::string::npos);
    EXPECT_TRUE(quillox::testing::OwnerOnly(path));

    const FieldLabels web = {"Name", "URL", "User ID", "Password"};
    const FieldLabels bank = {"Bank", "Branch Number", "Account Holder", "Account Number"};
    const FieldLabels online = {"Bank", "URL", "User ID", "Password"};
    const FieldLabels atm = {"Name", "Bank", "Telephone Number", "ATM/PIN Code"};
    const std::string empty;
    const std::string kept = "line one\nline two\xEF\xBF\xBD";
    const std::string pin = "pin";
    // Categories in the order of the category bar: Online Banking after Bank Accounts.
    Element expected{"My_Cards", {}, "", {}};
    expected.children = {
        Card("Site \xE2\x82\xAC", "WWW Sites", web, {"https://x", "user", std::string(5000, 'p')},
             &empty, kDate),
        Card("First <&> \"Bank\"", "Bank Accounts", bank, {"12-34", "J. Doe \xE2\x82\xAC", "0042"},
             &kept, ""),
        Card("", "Bank Accounts", bank, {"", "", ""}, &empty, ""),
        Card("Net bank", "Online Banking", online, {"https://bank", "me", "pw"}, &empty, ""),
        Card("Card", "ATM/PIN Cards", atm, {"Bank", "555", "1234"}, &pin, ""),
    };
    const std::optional<Element> root = ParseExport(path);
    ASSERT_TRUE(root);
    ExpectSame(*root, expected);

    // Without notes and ATM/PIN cards.
    ASSERT_TRUE(ExportXml(path, collection, "My Cards", {false, false}, message)) << message;
    expected.children.pop_back();
    for (Element& card : expected.children) {
        card.children.erase(card.children.begin() + 3);
    }
    const std::optional<Element> filtered = ParseExport(path);
    ASSERT_TRUE(filtered);
    ExpectSame(*filtered, expected);

    ASSERT_TRUE(ExportXml(path, CardCollection(), "cards.qxe", {}, message)) << message;
    const std::optional<Element> bare = ParseExport(path);
    ASSERT_TRUE(bare);
    ExpectSame(*bare, Element{"cards.qxe", {}, "", {}});
}

TEST(XmlRootName, TitlesBecomeValidNames) {
    const std::pair<std::string, std::string> cases[] = {
        {"My Cards", "My_Cards"},
        {"cards.qxe", "cards.qxe"},
        {"Caf\xC3\xA9-2024.qxf", "Caf\xC3\xA9-2024.qxf"},
        {"2024 cards.qxe", "_2024_cards.qxe"},
        {"cards (copy).qxe", "cards__copy_.qxe"},
        {"a:b&c<d>", "a_b_c_d_"},
        {".hidden", "_.hidden"},
        {"", "_"},
        {"bad\xFFutf8", "bad_utf8"},
        // Every byte that is not well-formed UTF-8 becomes '_' of its own.
        {"cards\x9b\x8c.qxf", "cards__.qxf"},
        {"A\xC0\x80", "A__"},
        {"\xED\xA0\x80x", "___x"},
        {"x\xF4\x90\x80\x80", "x____"},
        {"\xC3", "_"},
        // Cut to the longest name, at a character.
        {std::string(100000, 'a'), std::string(256, 'a')},
        {std::string(255, 'a'), std::string(255, 'a')},
        {"1" + std::string(300, 'a'), "_1" + std::string(254, 'a')},
        {"a" + std::string(300, '\xC3'), "a" + std::string(255, '_')},
        {[] {
             std::string text;
             for (int i = 0; i < 200; ++i) {
                 text += "\xC3\xA9";
             }
             return text;
         }(),
         [] {
             std::string text;
             for (int i = 0; i < 128; ++i) {
                 text += "\xC3\xA9";
             }
             return text;
         }()},
    };
    for (const auto& [title, name] : cases) {
        EXPECT_EQ(XmlRootName(title), name) << title;
        EXPECT_EQ(xmlValidateNCName(reinterpret_cast<const xmlChar*>(name.c_str()), 0), 0);
    }
}

TEST_F(XmlExportFile, TitlesThatAreNoUtf8OrTooLongStillGiveWellFormedFiles) {
    const std::string path = Path("cards.xml");
    const std::pair<std::string, std::string> cases[] = {
        {"cards\x9b\x8c.qxf", "cards__.qxf"},
        {"A\xC0\x80", "A__"},
        {std::string(100000, 'T'), std::string(kMaxXmlRootNameBytes, 'T')},
    };
    for (const auto& [title, root] : cases) {
        std::string message;
        ASSERT_TRUE(ExportXml(path, Sample(), title, {}, message)) << message;
        const std::optional<Element> parsed = ParseExport(path);
        ASSERT_TRUE(parsed) << root;
        EXPECT_EQ(parsed->name, root);
        EXPECT_EQ(parsed->children.size(), 5u);
    }
}

TEST_F(XmlExportFile, FailuresKeepTheOldFileAndSayWhy) {
    const CardCollection collection = Sample();
    const std::string existing = Path("old.xml");
    Write(existing, "previous export");
    const std::string inFolder = Path("folder.xml");
    std::filesystem::create_directory(inFolder);
    std::string message;
    EXPECT_FALSE(ExportXml(inFolder, collection, "t", {}, message));
    EXPECT_EQ(message, "The file " + inFolder + " could not be written: Is a directory.");
    EXPECT_FALSE(ExportXml(existing + "/x.xml", collection, "t", {}, message));
    // The system's reason follows.
    const std::string start = "The file " + existing + "/x.xml could not be written: ";
    EXPECT_EQ(message.rfind(start, 0), 0u) << message;
    EXPECT_GT(message.size(), start.size() + 1) << message;
    EXPECT_EQ(Read(existing), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
}

}  // namespace
}  // namespace quillox::output
