#include "ui/icon_button.h"

#include "ui/toolkit_tweaks.h"

namespace quillox {

IconButton::IconButton(wxWindow* parent, wxWindowID id, ArtId art, const wxString& tip)
    : wxBitmapButton(parent, id, ArtBundle(art, wxSize(16, 16))) {
    // Its own faded picture, as the toolbar's buttons have.
    SetBitmapDisabled(DisabledArtBundle(art, wxSize(16, 16)));
    SetToolTip(tip);
    NameForScreenReaders(*this, tip);
}

}  // namespace quillox
