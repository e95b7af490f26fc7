#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillox::output {

// The longest root name: a file name's 255 bytes and the '_' it may need in
// front. A title typed on the command line can be far longer than any name
// an XML reader accepts.
constexpr std::size_t kMaxXmlRootNameBytes = 256;

// The XML export's root element name for a document title (UTF-8): spaces
// become underscores, so "My Cards" gives My_Cards. A title that still is no
// XML name is mended rather than refused: every character a name cannot hold
// (a colon included, which would read as a namespace prefix) becomes '_', as
// does every byte that is not part of well-formed UTF-8, and a name that
// cannot start as it is gets a leading '_'. A longer name is cut at a
// character to kMaxXmlRootNameBytes.
std::string XmlRootName(std::string_view title);

}  // namespace quillox::output
