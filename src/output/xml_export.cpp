#include "output/xml_export.h"

#include <libxml/encoding.h>
#include <libxml/parser.h>

#include <new>

#include "output/export_messages.h"
#include "output/xml_root_name.h"
#include "store/safe_save.h"
#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox::output {

namespace {

constexpr CategoryId kAtmPinCards = 9;

const xmlChar* Chars(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

// The UTF-8 form of a card text, with the control characters XML 1.0 has no
// place for shown as U+FFFD.
std::string XmlText(std::string_view cp1252) {
    std::string utf8 = Cp1252ToUtf8(cp1252);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            utf8.replace(i, 1, "\xEF\xBF\xBD");
            i += 2;
        }
    }
    return utf8;
}

xmlNode* Checked(xmlNode* node) {
    if (node == nullptr) {
        throw std::bad_alloc();
    }
    return node;
}

void AddAttribute(xmlNode* element, const char* name, const std::string& value) {
    if (xmlNewProp(element, reinterpret_cast<const xmlChar*>(name), Chars(value)) == nullptr) {
        throw std::bad_alloc();
    }
}

void AddCard(xmlNode* root, const CardRecord& card, const std::string& category,
             const FieldLabels& labels, const PrintPreferences& preferences) {
    xmlNode* element = Checked(xmlNewChild(root, nullptr, BAD_CAST "Card", nullptr));
    AddAttribute(element, "Name", XmlText(card.GetField1()));
    AddAttribute(element, "Category", category);
    const char* const fieldNames[] = {"Field_1", "Field_2", "Field_3"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string value = XmlText(card.GetText(static_cast<CardRecord::Text>(i + 1)));
        xmlNode* field = Checked(xmlNewTextChild(
            element, nullptr, reinterpret_cast<const xmlChar*>(fieldNames[i]), Chars(value)));
        AddAttribute(field, "Name", labels[i + 1]);
    }
    if (preferences.printNotes) {
        Checked(xmlNewTextChild(element, nullptr, BAD_CAST "Note", Chars(XmlText(card.GetNote()))));
    }
    Checked(
        xmlNewTextChild(element, nullptr, BAD_CAST "Date", Chars(XmlText(card.GetModifiedText()))));
}

}  // namespace

bool XmlExportAvailable() {
    xmlInitParser();
    xmlCharEncodingHandler* handler = xmlFindCharEncodingHandler("UTF-16");
    if (handler == nullptr) {
        return false;
    }
    xmlCharEncCloseFunc(handler);
    return true;
}

XmlDocument BuildXmlExport(const CardCollection& collection, std::string_view title,
                           const PrintPreferences& preferences) {
    XmlDocument document(xmlNewDoc(BAD_CAST "1.0"));
    if (!document) {
        throw std::bad_alloc();
    }
    xmlNode* root =
        Checked(xmlNewDocNode(document.get(), nullptr, Chars(XmlRootName(title)), nullptr));
    xmlDocSetRootElement(document.get(), root);
    for (const CategoryId id : CategoryDisplayOrder()) {
        if (id == kAtmPinCards && !preferences.printAtm) {
            continue;
        }
        const std::string name = CategoryDisplayName(id);
        FieldLabels labels;
        GetFieldLabels(id, labels[0], labels[1], labels[2], labels[3]);
        for (const auto& card : collection.Category(id)) {
            AddCard(root, *card, name, labels, preferences);
        }
    }
    return document;
}

std::string SerializeXmlExport(xmlDoc& document) {
    xmlChar* memory = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(&document, &memory, &size, "UTF-16", 0);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    std::string bytes(reinterpret_cast<const char*>(memory), static_cast<std::size_t>(size));
    SecureWipe(memory, static_cast<std::size_t>(size));
    xmlFree(memory);
    return bytes;
}

bool ExportXml(const std::string& path, const CardCollection& collection, std::string_view title,
               const PrintPreferences& preferences, std::string& message) {
    if (!XmlExportAvailable()) {
        message = XmlExportFailureMessage(path, "the XML library cannot write UTF-16");
        return false;
    }
    std::string bytes;
    try {
        XmlDocument document = BuildXmlExport(collection, title, preferences);
        bytes = SerializeXmlExport(*document);
    } catch (const std::bad_alloc&) {
        message = XmlExportFailureMessage(path, "out of memory");
        return false;
    }
    SaveFailure failure;
    const bool written = WriteFileSafely(path, reinterpret_cast<const unsigned char*>(bytes.data()),
                                         bytes.size(), SavedFileMode::OwnerOnly, failure);
    SecureWipe(bytes);
    if (!written) {
        message = XmlExportFailureMessage(path, failure.reason);
    }
    return written;
}

}  // namespace quillox::output
