#pragma once

#include <string>
#include <string_view>

namespace quillox::output {

// The file name an export's Save-as dialog starts with: the document's title
// with the extension of the export. A data file's own extension (.qxe or
// .qxf) is replaced rather than kept, so that the name cannot be the data
// file's and the export lands beside it as cards.txt, not cards.qxf.txt.
std::string SuggestedExportName(std::string_view title, std::string_view extension);

}  // namespace quillox::output
