#include "app/about_text.h"

#include <iterator>

namespace quillox {

std::string VersionText(const version::RecordEntry* entries, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += entries[i].key;
        text += ":\t";
        text += entries[i].value;
        text += '\n';
    }
    return text;
}

std::string AboutVersionText() {
    return VersionText(version::kAboutEntries, std::size(version::kAboutEntries));
}

}  // namespace quillox
