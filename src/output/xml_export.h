#pragma once

#include <string>
#include <string_view>

#include "output/print_preferences.h"
#include "store/card_collection.h"

namespace quillox::output {

// Whether libxml2 is initialised and can encode UTF-16.
bool XmlExportAvailable();

// The XML export's bytes: UTF-16 little-endian after a byte-order mark, the
// XML declaration, then a root element named after the title (UTF-8, see
// XmlRootName) holding one Card per card, categories in the order of the
// category bar, with no indentation. Card texts convert from Windows-1252; a
// control character XML 1.0 cannot carry becomes U+FFFD instead of
// vanishing. Throws std::runtime_error saying why when libxml2 fails, and
// std::bad_alloc when memory runs out.
std::string BuildXmlExport(const CardCollection& collection, std::string_view title,
                           const PrintPreferences& preferences);

// Builds the export and writes it to path through a temporary file, readable
// by its owner only. On failure path is left as it was and message names the
// file and the reason.
bool ExportXml(const std::string& path, const CardCollection& collection, std::string_view title,
               const PrintPreferences& preferences, std::string& message);

}  // namespace quillox::output
