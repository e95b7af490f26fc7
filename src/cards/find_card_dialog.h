#pragma once

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <optional>
#include <string>
#include <vector>

#include "store/card_record.h"

namespace quillox {

class CQuilloxNewDoc;

// The modeless Find dialog of one document: "Find" shows the first card that
// holds the search text, "Find Again" the next one after the last hit.
// Cancel keeps the Ignore Case choice for the next time and destroys the dialog.
class CFindCardDlg : public wxDialog {
  public:
    enum : int {
        kSearchTextId = 1038,
        kFindId = 1041,
        kFindAgainId = 1042,
        kIgnoreCaseId = 1045,
    };

    CFindCardDlg(wxWindow* parent, CQuilloxNewDoc& document, bool ignoreCase);

    int LastFoundIndex() const { return lastFoundIndex_; }

  private:
    void OnFind(wxCommandEvent& event);
    void OnFindAgain(wxCommandEvent& event);
    void OnCancel(wxCommandEvent& event);

    void TakeControls();
    int Search(int start) const;
    void ShowHit(int index);
    void Tell(const char* text);

    CQuilloxNewDoc& document_;
    wxTextCtrl* text_ = nullptr;
    wxCheckBox* ignoreCase_ = nullptr;
    // Starts at 0, so Find Again before any Find continues after the first card.
    int lastFoundIndex_ = 0;
    // The search text in Windows-1252, or nothing when it holds a character
    // no card can hold.
    std::optional<std::string> searchText_;
    std::vector<const CardRecord*> searchList_;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace quillox
