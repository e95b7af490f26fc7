#pragma once

#include <wx/docview.h>

namespace quillox {

// The document manager: new documents are named "Untitled1", "Untitled2"...
// A recent file that is there but no regular file (a folder, a FIFO, a
// device) is opened all the same, so that loading says what it is, and stays
// in the list; only one that is gone leaves it. Open without a document
// asks with the same dialog as Open in a document. A file's name never
// decides whether it is opened: the content says what it is.
class QuilloxDocManager : public wxDocManager {
  public:
    QuilloxDocManager() : wxDocManager(0, true) {}
    wxString MakeNewDocumentName() override;
    wxFileHistory* OnCreateFileHistory() override;
    wxDocTemplate* FindTemplateForPath(const wxString& path) override;
    wxDocTemplate* SelectDocumentPath(wxDocTemplate** templates, int noTemplates, wxString& path,
                                      long flags, bool save) override;

  protected:
    void OnMRUFileNotExist(unsigned n, const wxString& filename) override;

  private:
    int untitledCount_ = 0;
};

}  // namespace quillox
