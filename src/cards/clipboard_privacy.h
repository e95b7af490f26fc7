#pragma once

#include <string>
#include <vector>

namespace quillox {

// A clipboard format offered beside a copied text, and its content, that
// tells clipboard histories and monitors to keep no copy of the text.
struct ClipboardPrivacyMark {
    std::string format;
    std::string data;
};

// This system's marks: KDE's hint, which other Unix clipboard managers
// honour too, or on Windows the formats that keep a text out of the
// clipboard history, the cloud clipboard and clipboard monitors.
std::vector<ClipboardPrivacyMark> ClipboardPrivacyMarks();

}  // namespace quillox
