#include "prefs/preferences_sheet.h"

#include <wx/bookctrl.h>

#include "prefs/at_start_up_page.h"
#include "prefs/general_settings_page.h"
#include "prefs/path_settings_page.h"
#include "prefs/print_xml_page.h"
#include "ui/toolkit_tweaks.h"

namespace quillox::prefs {

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
