#include "app/frame_title.h"

namespace quillox {

wxString MainFrameTitle(const wxString& program, const wxString& document, bool maximized) {
    return document.empty() || maximized ? program : program + " - " + document;
}

}  // namespace quillox
