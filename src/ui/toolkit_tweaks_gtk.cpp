#include <gtk/gtk.h>
#include <wx/bookctrl.h>
#include <wx/dataview.h>
#include <algorithm>

#include "ui/toolkit_tweaks.h"

namespace quillox {

bool DisplayCanOpen() {
    GdkDisplay* display = gdk_display_open(nullptr);
    if (display == nullptr) {
        return false;
    }
    gdk_display_close(display);
    return true;
}

// Screen readers on the GTK desktop ask the accessibility toolkit.
void NameForScreenReaders(wxWindow& window, const wxString& name) {
    atk_object_set_name(gtk_widget_get_accessible(window.GetHandle()), name.utf8_str());
}

void TurnOffTypeAheadSearch(wxDataViewCtrl& list) {
    gtk_tree_view_set_enable_search(GTK_TREE_VIEW(list.GtkGetTreeView()), FALSE);
}

// The sheet is made wide enough for every tab.
void ShowEveryTab(wxBookCtrlBase& book) {
    GtkWidget* notebook = book.GetHandle();
    gtk_notebook_set_scrollable(GTK_NOTEBOOK(notebook), FALSE);
    int minimum = 0;
    int natural = 0;
    gtk_widget_get_preferred_width(notebook, &minimum, &natural);
    book.SetMinSize(wxSize(std::max(natural, book.GetBestSize().GetWidth()), -1));
}

}  // namespace quillox
