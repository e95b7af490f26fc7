#pragma once

#include <wx/docview.h>

namespace quillox {

// The document manager: new documents are named "Untitled1", "Untitled2"...
class QuilloxDocManager : public wxDocManager {
  public:
    QuilloxDocManager() : wxDocManager(0, true) {}
    wxString MakeNewDocumentName() override;
    wxFileHistory* OnCreateFileHistory() override;

  private:
    int untitledCount_ = 0;
};

}  // namespace quillox
