#include "document/doc_manager.h"

#include <wx/filehistory.h>

#include "prefs/recent_files.h"

namespace quillox {

wxString QuilloxDocManager::MakeNewDocumentName() {
    return wxString::Format("Untitled%d", ++untitledCount_);
}

wxFileHistory* QuilloxDocManager::OnCreateFileHistory() {
    return new wxFileHistory(prefs::kRecentFileCount);
}

}  // namespace quillox
