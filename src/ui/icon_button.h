#pragma once

#include <wx/bmpbuttn.h>

#include "ui/art/art.h"

namespace quillox {

// A button showing only a 16-pixel picture. Its tooltip is also the name a
// screen reader announces, which a picture alone does not give.
class IconButton : public wxBitmapButton {
  public:
    IconButton(wxWindow* parent, wxWindowID id, ArtId art, const wxString& tip);
};

}  // namespace quillox
