#pragma once

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

#include "output/print_preferences.h"
#include "store/card_collection.h"

namespace quillox::output {

struct XmlDocumentFree {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};
using XmlDocument = std::unique_ptr<xmlDoc, XmlDocumentFree>;

// Whether libxml2 is initialised and can encode UTF-16.
bool XmlExportAvailable();

// The export's tree: a root element named after the title (UTF-8, see
// XmlRootName) holding one Card per card, categories in the order of the
// category bar. Card texts convert from Windows-1252; a control character
// that XML 1.0 cannot carry becomes U+FFFD instead of vanishing. Throws
// std::bad_alloc when libxml2 runs out of memory.
XmlDocument BuildXmlExport(const CardCollection& collection, std::string_view title,
                           const PrintPreferences& preferences);

// The file's bytes: UTF-16 little-endian after a byte-order mark, with the
// XML declaration and no indentation. Throws std::bad_alloc on failure.
std::string SerializeXmlExport(xmlDoc& document);

// Builds, serialises and writes the export to path through a temporary file,
// readable by its owner only. On failure path is left as it was and message
// names the file and the reason.
bool ExportXml(const std::string& path, const CardCollection& collection, std::string_view title,
               const PrintPreferences& preferences, std::string& message);

}  // namespace quillox::output
