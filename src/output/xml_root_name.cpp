#include "output/xml_root_name.h"

#include <libxml/tree.h>
#include <libxml/xmlstring.h>

namespace quillox::output {

namespace {

bool IsName(const std::string& text) {
    return xmlValidateNCName(reinterpret_cast<const xmlChar*>(text.c_str()), 0) == 0;
}

}  // namespace

std::string XmlRootName(std::string_view title) {
    const std::string text(title);
    std::string name;
    std::string first;
    std::size_t position = 0;
    while (position < text.size()) {
        int length = static_cast<int>(text.size() - position);
        const int c =
            xmlGetUTF8Char(reinterpret_cast<const xmlChar*>(text.c_str() + position), &length);
        std::string character = "_";
        if (c < 0 || length <= 0) {
            ++position;
        } else {
            const std::string taken = text.substr(position, static_cast<std::size_t>(length));
            position += static_cast<std::size_t>(length);
            // libxml2 judges one character by a name made of a letter and it.
            if (taken != " " && IsName("a" + taken)) {
                character = taken;
            }
        }
        if (name.empty()) {
            first = character;
        }
        name += character;
    }
    if (name.empty() || !IsName(first)) {
        name.insert(0, 1, '_');
    }
    return name;
}

}  // namespace quillox::output
