#include "app/document_template.h"

#include "cards/quillox_view.h"
#include "document/quillox_doc.h"

namespace quillox {

QuilloxDocTemplate::QuilloxDocTemplate(wxDocManager* manager, DocumentHost& host)
    : wxDocTemplate(manager, "Not Encrypted. File (*.qxf)", "*.qxf;*.qxe", "", "qxf", "Quillox",
                    "Quillox View", wxCLASSINFO(CQuilloxNewDoc), wxCLASSINFO(CQuilloxNewView)),
      host_(host) {}

wxDocument* QuilloxDocTemplate::DoCreateDocument() {
    return new CQuilloxNewDoc(host_);
}

}  // namespace quillox
