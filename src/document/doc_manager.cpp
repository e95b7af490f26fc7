#include "document/doc_manager.h"

#include <wx/app.h>
#include <wx/filehistory.h>
#include <wx/filename.h>

#include "prefs/recent_files.h"
#include "ui/file_dialogs.h"

namespace quillox {

wxString QuilloxDocManager::MakeNewDocumentName() {
    return wxString::Format("Untitled%d", ++untitledCount_);
}

wxFileHistory* QuilloxDocManager::OnCreateFileHistory() {
    return new wxFileHistory(prefs::kRecentFileCount);
}

// The program has one template, which reads every kind of data file, whatever
// its name ends in: "NUL", "cards.bak" or "cards" too.
wxDocTemplate* QuilloxDocManager::FindTemplateForPath(const wxString&) {
    return GetTemplatesVector().empty() ? nullptr : GetTemplatesVector().front();
}

wxDocTemplate* QuilloxDocManager::SelectDocumentPath(wxDocTemplate** templates, int noTemplates,
                                                     wxString& path, long, bool) {
    if (noTemplates < 1) {
        return nullptr;
    }
    path = AskFileToOpen(wxTheApp->GetTopWindow());
    return path.empty() ? nullptr : templates[0];
}

void QuilloxDocManager::OnMRUFileNotExist(unsigned n, const wxString& filename) {
    if (wxFileName::Exists(filename, wxFILE_EXISTS_ANY)) {
        CreateDocument(filename, wxDOC_SILENT);
        return;
    }
    wxDocManager::OnMRUFileNotExist(n, filename);
}

}  // namespace quillox
