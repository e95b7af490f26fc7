#include "app/frame_title.h"

namespace quillox {

wxString MainFrameTitle(const wxString& program, const wxString& document, bool) {
    return document.empty() ? program : program + " - " + document;
}

}  // namespace quillox
