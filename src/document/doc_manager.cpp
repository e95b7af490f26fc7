#include "document/doc_manager.h"

#include <wx/filehistory.h>
#include <wx/filename.h>

#include "prefs/recent_files.h"

namespace quillox {

wxString QuilloxDocManager::MakeNewDocumentName() {
    return wxString::Format("Untitled%d", ++untitledCount_);
}

wxFileHistory* QuilloxDocManager::OnCreateFileHistory() {
    return new wxFileHistory(prefs::kRecentFileCount);
}

void QuilloxDocManager::OnMRUFileNotExist(unsigned n, const wxString& filename) {
    if (wxFileName::Exists(filename, wxFILE_EXISTS_ANY)) {
        CreateDocument(filename, wxDOC_SILENT);
        return;
    }
    wxDocManager::OnMRUFileNotExist(n, filename);
}

}  // namespace quillox
