#include "prefs/preferences_sheet.h"

#include <wx/bookctrl.h>
#include <algorithm>

#if defined(__WXGTK__)
#include <gtk/gtk.h>
#endif

#include "prefs/at_start_up_page.h"
#include "prefs/general_settings_page.h"
#include "prefs/path_settings_page.h"
#include "prefs/print_xml_page.h"

namespace quillox::prefs {

namespace {

// GTK's notebook scrolls tabs that do not fit, hiding the last pages behind
// arrows; the sheet is made wide enough for every tab instead.
void ShowEveryTab(wxBookCtrlBase& book) {
#if defined(__WXGTK__)
    GtkWidget* notebook = book.GetHandle();
    gtk_notebook_set_scrollable(GTK_NOTEBOOK(notebook), FALSE);
    int minimum = 0;
    int natural = 0;
    gtk_widget_get_preferred_width(notebook, &minimum, &natural);
    book.SetMinSize(wxSize(std::max(natural, book.GetBestSize().GetWidth()), -1));
#else
    wxUnusedVar(book);
#endif
}

}  // namespace

CPrefPropertySheet::CPrefPropertySheet(wxWindow* parent, const PreferenceValues& values)
    : values_(values) {
    Create(parent, wxID_ANY, "Preferences");
    CreateButtons(wxOK | wxCANCEL);
    wxBookCtrlBase* book = GetBookCtrl();
    book->AddPage(new CGeneralSettingsPref(book, values_), "General", true);
    book->AddPage(new CAtStartUpPref(book, values_), "At Start Up");
    book->AddPage(new CPathSettingsRef(book, values_), "Path Settings");
    book->AddPage(new CPrintXMLSupportRef(book, values_), "Print/XML Preferences");
    ShowEveryTab(*book);
    LayoutDialog();
}

bool CPrefPropertySheet::TransferDataFromWindow() {
    // The pages sit in the book, out of reach of the dialog's own transfer.
    wxBookCtrlBase* book = GetBookCtrl();
    for (std::size_t i = 0; i < book->GetPageCount(); ++i) {
        if (!book->GetPage(i)->TransferDataFromWindow()) {
            return false;
        }
    }
    return wxPropertySheetDialog::TransferDataFromWindow();
}

bool RunPreferencesSheet(wxWindow* parent) {
    CPrefPropertySheet sheet(parent, LoadPreferenceValues());
    if (sheet.ShowModal() != wxID_OK) {
        return false;
    }
    // A dialog answered without its OK button has not transferred yet.
    sheet.TransferDataFromWindow();
    SavePreferenceValues(sheet.Values());
    return true;
}

}  // namespace quillox::prefs
