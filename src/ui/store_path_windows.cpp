#include "ui/message_box.h"

namespace quillox {

std::string ToStorePath(const wxString& path) {
    return path.utf8_string();
}

}  // namespace quillox
