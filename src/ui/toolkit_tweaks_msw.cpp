#include <windows.h>
// commctrl.h needs the types windows.h declares.
#include <commctrl.h>
#include <wx/bookctrl.h>
#include <algorithm>

#include "ui/toolkit_tweaks.h"

// Windows' list has no search of its own and a program there always has its
// desktop. Screen readers get what a picture button offers by itself.
namespace quillox {

bool DisplayCanOpen() {
    return true;
}

void NameForScreenReaders(wxWindow&, const wxString&) {}

void TurnOffTypeAheadSearch(wxDataViewCtrl&) {}

// The tab strip shows scroll arrows when the tabs do not fit: the book is
// made wide enough for the last tab instead.
void ShowEveryTab(wxBookCtrlBase& book) {
    const auto tabs = static_cast<HWND>(book.GetHandle());
    const int count = TabCtrl_GetItemCount(tabs);
    RECT last{};
    if (count > 0 && TabCtrl_GetItemRect(tabs, count - 1, &last)) {
        const int wanted = last.right + book.FromDIP(8);
        book.SetMinSize(wxSize(std::max(wanted, book.GetBestSize().GetWidth()), -1));
    }
}

}  // namespace quillox
