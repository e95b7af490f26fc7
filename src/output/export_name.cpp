#include "output/export_name.h"

#include <algorithm>
#include <cctype>

namespace quillox::output {

namespace {

bool EndsWithDataExtension(std::string_view title) {
    constexpr std::string_view kExtensions[] = {".qxe", ".qxf"};
    return std::any_of(std::begin(kExtensions), std::end(kExtensions), [title](auto extension) {
        if (title.size() <= extension.size()) {
            return false;
        }
        const std::string_view end = title.substr(title.size() - extension.size());
        return std::equal(end.begin(), end.end(), extension.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    });
}

}  // namespace

std::string SuggestedExportName(std::string_view title, std::string_view extension) {
    if (EndsWithDataExtension(title)) {
        title.remove_suffix(4);
    }
    std::string name(title);
    name += '.';
    name += extension;
    return name;
}

}  // namespace quillox::output
