#pragma once

#include <wx/docview.h>

namespace quillox {

class DocumentHost;

// The program's one document template: data files shown as card lists in
// document windows. Every document it creates is hosted by the main frame.
class QuilloxDocTemplate : public wxDocTemplate {
  public:
    QuilloxDocTemplate(wxDocManager* manager, DocumentHost& host);

  protected:
    wxDocument* DoCreateDocument() override;

  private:
    DocumentHost& host_;
};

}  // namespace quillox
