#include "output/xml_export.h"

#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <algorithm>
#include <new>

#include "output/export_messages.h"
#include "output/xml_root_name.h"
#include "store/safe_save.h"
#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox::output {

namespace {

const xmlChar* Chars(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

// The UTF-8 form of a card text in buffer, reused from text to text: the
// export converts half a million texts. The control characters XML 1.0 has
// no place for show as U+FFFD.
const xmlChar* XmlText(std::string_view cp1252, std::string& buffer) {
    const auto plain = [](char c) {
        return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r';
    };
    if (std::all_of(cp1252.begin(), cp1252.end(), plain)) {
        buffer.assign(cp1252);
        return Chars(buffer);
    }
    buffer = Cp1252ToUtf8(cp1252);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const auto c = static_cast<unsigned char>(buffer[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            buffer.replace(i, 1, "\xEF\xBF\xBD");
            i += 2;
        }
    }
    return Chars(buffer);
}

xmlNode* Checked(xmlNode* node) {
    if (node == nullptr) {
        throw std::bad_alloc();
    }
    return node;
}

void AddAttribute(xmlNode* element, const char* name, const xmlChar* value) {
    if (xmlNewProp(element, BAD_CAST name, value) == nullptr) {
        throw std::bad_alloc();
    }
}

// An element with its text; an empty one gets no text node (it is written as
// one tag), which spares a node per empty note in large exports.
xmlNode* AddText(xmlNode* parent, const char* name, const xmlChar* text) {
    return Checked(xmlNewTextChild(parent, nullptr, BAD_CAST name, *text == 0 ? nullptr : text));
}

void AddCard(xmlNode* root, const CardRecord& card, const std::string& category,
             const FieldLabels& labels, const PrintPreferences& preferences, std::string& buffer) {
    xmlNode* element = Checked(xmlNewChild(root, nullptr, BAD_CAST "Card", nullptr));
    AddAttribute(element, "Name", XmlText(card.GetField1(), buffer));
    AddAttribute(element, "Category", Chars(category));
    const char* const fieldNames[] = {"Field_1", "Field_2", "Field_3"};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto text = static_cast<CardRecord::Text>(i + 1);
        xmlNode* field = AddText(element, fieldNames[i], XmlText(card.GetText(text), buffer));
        AddAttribute(field, "Name", Chars(labels[i + 1]));
    }
    if (preferences.printNotes) {
        AddText(element, "Note", XmlText(card.GetNote(), buffer));
    }
    AddText(element, "Date", XmlText(card.GetModifiedText(), buffer));
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
    // Element and attribute names are shared through a dictionary rather than
    // copied into each of the million nodes of a large export.
    document->dict = xmlDictCreate();
    if (document->dict == nullptr) {
        throw std::bad_alloc();
    }
    xmlNode* root =
        Checked(xmlNewDocNode(document.get(), nullptr, Chars(XmlRootName(title)), nullptr));
    xmlDocSetRootElement(document.get(), root);
    std::string buffer;
    for (const CategoryId id : CategoryDisplayOrder()) {
        if (!preferences.Includes(id)) {
            continue;
        }
        const std::string name = CategoryDisplayName(id);
        FieldLabels labels;
        GetFieldLabels(id, labels[0], labels[1], labels[2], labels[3]);
        for (const auto& card : collection.Category(id)) {
            AddCard(root, *card, name, labels, preferences, buffer);
        }
    }
    return document;
}

std::string SerializeXmlExport(xmlDoc& document) {
    std::string bytes;
    // Room for the markup of each card and its texts in two bytes a character.
    std::size_t cards = 0;
    for (const xmlNode* card = xmlDocGetRootElement(&document)->children; card != nullptr;
         card = card->next) {
        ++cards;
    }
    bytes.reserve(cards * 512 + 4096);
    // Written in small pieces to the string, rather than into one buffer that
    // libxml2 would grow and copy again and again.
    const auto append = [](void* context, const char* data, int size) {
        static_cast<std::string*>(context)->append(data, static_cast<std::size_t>(size));
        return size;
    };
    xmlSaveCtxt* context = xmlSaveToIO(append, nullptr, &bytes, "UTF-16", 0);
    if (context == nullptr) {
        throw std::bad_alloc();
    }
    const long written = xmlSaveDoc(context, &document);
    if (xmlSaveClose(context) < 0 || written < 0) {
        SecureWipe(bytes);
        throw std::bad_alloc();
    }
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
