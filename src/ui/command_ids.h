#pragma once

#include <wx/defs.h>

// Command identifiers of the menus, toolbar and accelerators. Commands that
// wxWidgets knows keep its standard ids (wxID_NEW, wxID_OPEN, wxID_SAVE,
// wxID_SAVEAS, wxID_CLOSE (see kCloseFile), wxID_PRINT, wxID_PRINT_SETUP, wxID_PREVIEW,
// wxID_COPY, wxID_PASTE, wxID_CUT, wxID_UNDO, wxID_FIND, wxID_ABOUT,
// wxID_EXIT); the program's own commands keep their historical numbers.
namespace quillox::cmd {

// wxWidgets takes menu ids below 32767 only, so the program's numbers from
// 32768 up are moved down by 16384 (32828 becomes 16444); the few that lie
// beyond the toolkit's standard ids get numbers of their own below.
constexpr int Moved(int number) {
    return number - 16384;
}

// File
// File > Close: GTK gives a menu item with the standard close id the stock
// key Ctrl+W, which is Load Web Page's; this one stands for wxID_CLOSE.
inline constexpr int kCloseFile = 16905;
inline constexpr int kEncryptOnSave = Moved(32828);
inline constexpr int kSetPassword = 1013;  // toolbar
inline constexpr int kExportText = Moved(32823);
inline constexpr int kExportXml = Moved(32831);

// Edit
inline constexpr int kCopyPasswordMenu = Moved(32811);
inline constexpr int kCopyPasswordTool = Moved(32830);
inline constexpr int kFindTool = Moved(32803);
inline constexpr int kGeneratePassword = Moved(32810);
inline constexpr int kPreferences = Moved(32827);
inline constexpr int kNextPane = 16901;
inline constexpr int kPreviousPane = 16902;

// Card
inline constexpr int kNewCard = Moved(32808);
inline constexpr int kAddCardTool = 1009;
inline constexpr int kDeleteCard = Moved(32809);
inline constexpr int kDeleteCardTool = 1010;
inline constexpr int kEditCard = Moved(32814);
inline constexpr int kUpdateCardTool = Moved(32794);
// Change Category items, in the menu's order (the category bar's order).
inline constexpr int kChangeCategory[15] = {Moved(32774), Moved(32773), Moved(32775), Moved(32776),
                                            Moved(32778), Moved(32779), Moved(32784), Moved(32785),
                                            Moved(32786), Moved(32787), Moved(32788), Moved(32789),
                                            Moved(32790), Moved(32791), Moved(32792)};

// The card list's context menu
inline constexpr int kCopyName = 143;
inline constexpr int kCopyUserId = 147;
inline constexpr int kCopyPasswordItem = 144;
inline constexpr int kCopyNote = 145;
inline constexpr int kCopyCard = 146;
inline constexpr int kPasteCard = 154;

// Internet
inline constexpr int kLaunchWww = Moved(32780);
inline constexpr int kLaunchEmail = Moved(32781);
inline constexpr int kLaunchLogin = Moved(32782);
inline constexpr int kLaunchNews = Moved(32783);
inline constexpr int kLaunchFtp = Moved(32826);
inline constexpr int kLaunchBrowserTool = 1005;
inline constexpr int kLoadWebPageMenu = Moved(32819);
inline constexpr int kLoadWebPageTool = Moved(32822);
inline constexpr int kGetWebPageMenu = Moved(32820);
inline constexpr int kGetWebPageTool = Moved(32821);

// View and Window
inline constexpr int kViewToolbar = 16903;
inline constexpr int kViewStatusBar = 16904;
inline constexpr int kArrangeIcons = 16900;

// Help
inline constexpr int kOnlineDocumentation = Moved(32818);
inline constexpr int kHelpReader = Moved(32829);
inline constexpr int kHomePage = Moved(32777);

// Category bar controls
inline constexpr int kCategoryCombo = 1000;
inline constexpr int kLockText = 1004;
inline constexpr int kLockIcon = 1210;

// The status bar's item-count pane.
inline constexpr int kItemCountPane = 4;

// The main frame's auto-save timer.
inline constexpr int kAutoSaveTimer = 1;

}  // namespace quillox::cmd
