#pragma once

#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <string>

#include "store/encryption_form.h"

namespace quillox {

// The bar under the toolbar that all document windows share: the category
// selector and the lock status of the active file.
class CategoryBar : public wxPanel {
  public:
    explicit CategoryBar(wxWindow* parent);

    // The selector's current text (Windows-1252 bytes, as cards hold names);
    // empty when nothing is selected.
    std::string CurrentCategory() const;
    // Selects the first entry that begins with prefix, searching from the
    // second entry on and then from the top; false when none matches.
    bool SelectByPrefix(const std::string& prefix);
    void SelectFirst();

    void SetLocked(bool locked, EncryptionForm form);
    // No lock status at all: there is no document to have one.
    void ClearLocked();
    bool IsLockedShown() const { return locked_; }

    wxChoice* Selector() const { return selector_; }
    wxStaticText* LockText() const { return lockText_; }

  private:
    wxChoice* selector_;
    wxStaticText* lockText_;
    wxStaticBitmap* lockIcon_;
    bool locked_ = false;
};

}  // namespace quillox
