// The two menu bars: without and with a document.
#include <wx/docview.h>
#include <wx/menu.h>

#include "app/main_frame.h"
#include "store/category_table.h"
#include "ui/command_ids.h"

namespace quillox {

namespace {

wxMenu* ViewMenu() {
    auto* menu = new wxMenu;
    menu->AppendCheckItem(cmd::kViewToolbar, "&Toolbar");
    menu->AppendCheckItem(cmd::kViewStatusBar, "&Status Bar");
    return menu;
}

wxMenu* DocumentFileMenu() {
    auto* menu = new wxMenu;
    menu->Append(wxID_NEW, "&New\tAlt+N");
    menu->Append(wxID_OPEN, "&Open...\tCtrl+O");
    menu->Append(cmd::kCloseFile, "&Close");
    menu->Append(wxID_SAVE, "&Save\tCtrl+S");
    menu->Append(wxID_SAVEAS, "Save &As...");
    menu->AppendSeparator();
    menu->Append(cmd::kEncryptOnSave, "Encrypt On &Save...\tAlt+S");
    menu->AppendSeparator();
    menu->Append(cmd::kExportText, "Export To Text...");
    menu->Append(cmd::kExportXml, "Export To XML...");
    menu->AppendSeparator();
    menu->Append(wxID_PRINT, "&Print...\tCtrl+P");
    menu->Append(wxID_PREVIEW, "Print Pre&view");
    menu->Append(wxID_PRINT_SETUP, "P&rint Setup...");
    menu->AppendSeparator();
    menu->Append(wxID_EXIT, "E&xit");
    return menu;
}

wxMenu* EditMenu() {
    auto* menu = new wxMenu;
    menu->Append(wxID_UNDO, "&Undo\tCtrl+Z");
    menu->AppendSeparator();
    menu->Append(wxID_COPY, "&Copy\tCtrl+C");
    menu->Append(wxID_PASTE, "&Paste\tCtrl+V");
    menu->AppendSeparator();
    menu->Append(cmd::kCopyPasswordMenu, "Copy Password\tAlt+C");
    menu->AppendSeparator();
    menu->Append(wxID_FIND, "&Find...\tCtrl+F ");
    menu->AppendSeparator();
    menu->Append(cmd::kGeneratePassword, "Generate Password...\tAlt+G");
    menu->AppendSeparator();
    menu->Append(cmd::kPreferences, "Preferences...\tAlt+P");
    return menu;
}

wxMenu* CardMenu() {
    auto* menu = new wxMenu;
    menu->Append(cmd::kNewCard, "&New Card\tCtrl+N ");
    menu->Append(cmd::kDeleteCard, "&Delete Card\tCtrl+D");
    menu->AppendSeparator();
    menu->Append(cmd::kEditCard, "&Edit Card\tCtrl+E ");
    menu->AppendSeparator();
    auto* categories = new wxMenu;
    const auto& order = CategoryDisplayOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        categories->Append(cmd::kChangeCategory[i], CategoryInfoOf(order[i]).menuText);
    }
    menu->AppendSubMenu(categories, "Change Category");
    return menu;
}

wxMenu* InternetMenu() {
    auto* menu = new wxMenu;
    menu->Append(cmd::kLaunchWww, "Launch WWW");
    menu->Append(cmd::kLaunchEmail, "Launch E-Mail");
    menu->Append(cmd::kLaunchLogin, "Launch Login");
    menu->Append(cmd::kLaunchNews, "Launch News");
    menu->Append(cmd::kLaunchFtp, "Launch FTP");
    menu->AppendSeparator();
    menu->Append(cmd::kLoadWebPageMenu, "Load Web Page\tCtrl+W ");
    menu->Append(cmd::kGetWebPageMenu, "Get Web Page\tAlt+W ");
    return menu;
}

wxMenu* WindowMenu() {
    auto* menu = new wxMenu;
    menu->Append(cmd::kArrangeIcons, "&Arrange Icons");
    return menu;
}

wxMenu* HelpMenu(bool withDocument) {
    auto* menu = new wxMenu;
    if (withDocument) {
        menu->Append(cmd::kOnlineDocumentation, "Online Documentation");
        menu->Append(cmd::kHelpReader, "Help Reader");
        menu->Append(cmd::kHomePage, "Quillox Home Page");
        menu->AppendSeparator();
    }
    menu->Append(wxID_ABOUT, "&About Quillox...");
    return menu;
}

// The toolkit lists the recent files at the end of the File menu, after a separator.
void UseForRecentFiles(wxDocManager* manager, wxMenu* fileMenu) {
    if (wxFileHistory* history = manager->GetFileHistory()) {
        history->UseMenu(fileMenu);
        history->AddFilesToMenu(fileMenu);
    }
}

}  // namespace

wxMenuBar* CMainFrame::CreateFrameMenuBar() {
    auto* file = new wxMenu;
    // Ctrl+N is New Card's key in every window, so the frame shows File New's.
    file->Append(wxID_NEW, "&New\tAlt+N");
    file->Append(wxID_OPEN, "&Open...\tCtrl+O");
    file->AppendSeparator();
    file->Append(wxID_PRINT_SETUP, "P&rint Setup...");
    file->AppendSeparator();
    file->Append(wxID_EXIT, "E&xit");
    UseForRecentFiles(GetDocumentManager(), file);

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(ViewMenu(), "&View");
    bar->Append(HelpMenu(false), "&Help");
    return bar;
}

wxMenuBar* CMainFrame::CreateDocumentMenuBar(wxDocManager* manager) {
    wxMenu* file = DocumentFileMenu();
    UseForRecentFiles(manager, file);
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(EditMenu(), "&Edit");
    bar->Append(CardMenu(), "&Card");
    bar->Append(InternetMenu(), "&Internet");
    bar->Append(ViewMenu(), "&View");
    bar->Append(WindowMenu(), "&Window");
    bar->Append(HelpMenu(true), "&Help");
    return bar;
}

}  // namespace quillox
