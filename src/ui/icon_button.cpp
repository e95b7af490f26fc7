#include "ui/icon_button.h"

#if defined(__WXGTK__)
#include <gtk/gtk.h>
#endif

namespace quillox {

IconButton::IconButton(wxWindow* parent, wxWindowID id, ArtId art, const wxString& tip)
    : wxBitmapButton(parent, id, ArtBundle(art, wxSize(16, 16))) {
    // Its own faded picture, as the toolbar's buttons have.
    SetBitmapDisabled(DisabledArtBundle(art, wxSize(16, 16)));
    SetToolTip(tip);
#if defined(__WXGTK__)
    // Screen readers on the GTK desktop ask the accessibility toolkit for
    // the name.
    atk_object_set_name(gtk_widget_get_accessible(GetHandle()), tip.utf8_str());
#endif
}

}  // namespace quillox
