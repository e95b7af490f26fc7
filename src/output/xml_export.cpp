#include "output/xml_export.h"

#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlIO.h>

#include <algorithm>
#include <memory>
#include <new>
#include <stdexcept>

#include "output/export_file.h"
#include "output/export_messages.h"
#include "output/xml_root_name.h"
#include "store/safe_save.h"
#include "store/secure_wipe.h"
#include "store/text_codec.h"

namespace quillox::output {

namespace {

constexpr const char* kNoUtf16 = "the XML library cannot write UTF-16";

struct DocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
struct NodeFree {
    void operator()(xmlNode* node) const { xmlFreeNode(node); }
};
struct OutputClose {
    void operator()(xmlOutputBuffer* output) const { xmlOutputBufferClose(output); }
};
using Node = std::unique_ptr<xmlNode, NodeFree>;

const xmlChar* Chars(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

// Line breaks as XML keeps them: a card's CR LF (or a lone CR) becomes one
// LF, where the serialiser would otherwise write the CR as "&#13;".
void UseLineFeeds(std::string& text) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            text[kept++] = text[i];
        } else if (i + 1 == text.size() || text[i + 1] != '\n') {
            text[kept++] = '\n';
        }
    }
    text.resize(kept);
}

// The UTF-8 form of a card text in buffer, reused from text to text: the
// export converts half a million texts. The control characters XML 1.0 has
// no place for show as U+FFFD.
const xmlChar* XmlText(std::string_view cp1252, std::string& buffer) {
    const auto plain = [](char c) { return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n'; };
    if (std::all_of(cp1252.begin(), cp1252.end(), plain)) {
        buffer.assign(cp1252);
        return Chars(buffer);
    }
    buffer = Cp1252ToUtf8(cp1252);
    UseLineFeeds(buffer);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        const auto c = static_cast<unsigned char>(buffer[i]);
        if (c < 0x20 && c != '\t' && c != '\n') {
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

// An element with its text; an empty one gets no text node and is written as
// one tag.
xmlNode* AddText(xmlNode* parent, const char* name, const xmlChar* text) {
    return Checked(xmlNewTextChild(parent, nullptr, BAD_CAST name, *text == 0 ? nullptr : text));
}

Node CardElement(xmlDoc* document, const CardRecord& card, const std::string& category,
                 const FieldLabels& labels, const PrintPreferences& preferences,
                 std::string& buffer) {
    Node element(Checked(xmlNewDocNode(document, nullptr, BAD_CAST "Card", nullptr)));
    AddAttribute(element.get(), "Name", XmlText(card.GetField1(), buffer));
    AddAttribute(element.get(), "Category", Chars(category));
    const char* const fieldNames[] = {"Field_1", "Field_2", "Field_3"};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto text = static_cast<CardRecord::Text>(i + 1);
        xmlNode* field = AddText(element.get(), fieldNames[i], XmlText(card.GetText(text), buffer));
        AddAttribute(field, "Name", Chars(labels[i + 1]));
    }
    if (preferences.printNotes) {
        AddText(element.get(), "Note", XmlText(card.GetNote(), buffer));
    }
    AddText(element.get(), "Date", XmlText(card.GetModifiedText(), buffer));
    return element;
}

void Write(xmlOutputBuffer* output, const std::string& markup) {
    if (xmlOutputBufferWriteString(output, markup.c_str()) < 0) {
        throw std::bad_alloc();
    }
}

// Where libxml2's output goes; an exception must not pass through libxml2.
struct Sink {
    std::string& bytes;
    bool outOfMemory = false;
};

int Append(void* context, const char* data, int size) {
    Sink& sink = *static_cast<Sink*>(context);
    try {
        sink.bytes.append(data, static_cast<std::size_t>(size));
        return size;
    } catch (const std::bad_alloc&) {
        sink.outOfMemory = true;
        return -1;
    }
}

// Writes the declaration, the root element and the cards into bytes.
void WriteCards(const CardCollection& collection, std::string_view title,
                const PrintPreferences& preferences, std::string& bytes) {
    const std::unique_ptr<xmlDoc, DocumentFree> document(xmlNewDoc(BAD_CAST "1.0"));
    if (!document) {
        throw std::bad_alloc();
    }
    // Names are shared through the dictionary rather than copied into each
    // node; the encoding lets the serialiser write every character as it is
    // instead of as a character reference.
    document->dict = xmlDictCreate();
    document->encoding = xmlStrdup(BAD_CAST "UTF-16");
    if (document->dict == nullptr || document->encoding == nullptr) {
        throw std::bad_alloc();
    }
    xmlCharEncodingHandler* utf16 = xmlFindCharEncodingHandler("UTF-16");
    if (utf16 == nullptr) {
        throw std::runtime_error(kNoUtf16);
    }
    Sink sink{bytes};
    std::unique_ptr<xmlOutputBuffer, OutputClose> output(
        xmlOutputBufferCreateIO(Append, nullptr, &sink, utf16));
    if (!output) {
        xmlCharEncCloseFunc(utf16);
        throw std::bad_alloc();
    }
    const std::string root = XmlRootName(title);
    Write(output.get(), "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<" + root + ">");
    std::string buffer;
    for (const CategoryId id : CategoryDisplayOrder()) {
        if (!preferences.Includes(id)) {
            continue;
        }
        const std::string name = CategoryDisplayName(id);
        FieldLabels labels;
        GetFieldLabels(id, labels[0], labels[1], labels[2], labels[3]);
        for (const auto& card : collection.Category(id)) {
            const Node element =
                CardElement(document.get(), *card, name, labels, preferences, buffer);
            xmlNodeDumpOutput(output.get(), document.get(), element.get(), 0, 0, "UTF-16");
        }
    }
    Write(output.get(), "</" + root + ">\n");
    const int error = output->error;
    if (xmlOutputBufferClose(output.release()) < 0 || error != 0) {
        if (sink.outOfMemory || error == XML_ERR_NO_MEMORY) {
            throw std::bad_alloc();
        }
        throw std::runtime_error("the XML library failed with error " + std::to_string(error));
    }
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

// Each card is built as a subtree of the document, serialised and freed in
// turn, rather than the whole collection as one tree: for 100,000 cards that
// tree would take some 300 MB and, with its millions of allocations, more
// than twice the time.
std::string BuildXmlExport(const CardCollection& collection, std::string_view title,
                           const PrintPreferences& preferences) {
    xmlInitParser();
    std::size_t cards = 0;
    for (const CategoryId id : CategoryDisplayOrder()) {
        if (preferences.Includes(id)) {
            cards += static_cast<std::size_t>(collection.Category(id).Count());
        }
    }
    std::string bytes;
    // A card's markup and texts in two bytes a character, generously: pages
    // of a large buffer that are never written cost nothing, while a buffer
    // that has to grow copies everything written so far.
    bytes.reserve(cards * 1024 + 4096);

    try {
        WriteCards(collection, title, preferences, bytes);
    } catch (...) {
        SecureWipe(bytes);
        throw;
    }
    return bytes;
}

bool ExportXml(const std::string& path, const CardCollection& collection, std::string_view title,
               const PrintPreferences& preferences, std::string& message) {
    if (!XmlExportAvailable()) {
        message = ExportFailureMessage(path, kNoUtf16);
        return false;
    }
    std::string bytes;
    try {
        bytes = BuildXmlExport(collection, title, preferences);
    } catch (const std::bad_alloc&) {
        message = ExportFailureMessage(path, "out of memory");
        return false;
    } catch (const std::runtime_error& error) {
        message = ExportFailureMessage(path, error.what());
        return false;
    }
    SaveFailure failure;
    if (!WriteExportFile(path, bytes, failure)) {
        message = ExportFailureMessage(path, failure.reason);
        return false;
    }
    return true;
}

}  // namespace quillox::output
