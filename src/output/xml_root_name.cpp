#include "output/xml_root_name.h"

#include <libxml/tree.h>

#include "store/text_codec.h"

namespace quillox::output {

namespace {

bool IsName(const std::string& text) {
    return xmlValidateNCName(reinterpret_cast<const xmlChar*>(text.c_str()), 0) == 0;
}

}  // namespace

std::string XmlRootName(std::string_view title) {
    std::string name;
    std::string first;
    std::size_t position = 0;
    // What lies past the longest name does not matter, however long the title.
    while (position < title.size() && name.size() < kMaxXmlRootNameBytes) {
        const std::size_t length = Utf8CharacterLength(title, position);
        std::string character = "_";
        if (length == 0) {
            ++position;
        } else {
            const std::string_view taken = title.substr(position, length);
            position += length;
            // libxml2 judges one character by a name made of a letter and it.
            if (taken != " " && IsName("a" + std::string(taken))) {
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
    if (name.size() > kMaxXmlRootNameBytes) {
        // Cut where a character starts, never inside one.
        std::size_t cut = kMaxXmlRootNameBytes;
        while ((static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        name.resize(cut);
    }
    // Every piece was checked on its own; the whole is checked again before
    // it goes into the file unescaped, as markup.
    return IsName(name) ? name : "_";
}

}  // namespace quillox::output
