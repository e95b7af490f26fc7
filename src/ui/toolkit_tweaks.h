#pragma once

#include <wx/string.h>

class wxBookCtrlBase;
class wxDataViewCtrl;
class wxWindow;

// What a toolkit needs beyond wxWidgets to behave as the program wants, one
// file per toolkit; where a toolkit behaves so already, nothing is done.
namespace quillox {

// Whether the windows have a display to go to: GTK ends the program with a
// trap when it has none, so the program asks first and says so instead.
bool DisplayCanOpen();

// The name screen readers announce for a control that shows only a picture.
void NameForScreenReaders(wxWindow& window, const wxString& name);

// Typing in the card list selects nothing by itself (GTK's list searches on
// Ctrl+F and on typing): Find is the program's own.
void TurnOffTypeAheadSearch(wxDataViewCtrl& list);

// Every page's tab shows at once, none hidden behind scroll arrows.
void ShowEveryTab(wxBookCtrlBase& book);

}  // namespace quillox
