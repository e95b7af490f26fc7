#pragma once

#include <wx/dialog.h>

namespace quillox {

// Advice on choosing a key, opened from the File Encryption dialog.
class AboutKeysDialog : public wxDialog {
  public:
    explicit AboutKeysDialog(wxWindow* parent);
};

}  // namespace quillox
