#include "ui/message_box.h"

namespace quillox {

std::string ToStorePath(const wxString& path) {
    return std::string(path.fn_str());
}

}  // namespace quillox
