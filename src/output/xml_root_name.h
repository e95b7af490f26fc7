#pragma once

#include <string>
#include <string_view>

namespace quillox::output {

// The XML export's root element name for a document title (UTF-8): spaces
// become underscores, so "My Cards" gives My_Cards. A title that still is no
// XML name is mended rather than refused: every character a name cannot hold
// (a colon included, which would read as a namespace prefix) becomes '_', and
// a name that cannot start as it is gets a leading '_'.
std::string XmlRootName(std::string_view title);

}  // namespace quillox::output
