// The web and helper-program commands of the main frame: Load and Get Web
// Page, the Internet menu's launches, Online Documentation, Help Reader and
// the home page, and what of them happens at start-up.
#include <optional>

#include "app/browser_wait.h"
#include "app/main_frame.h"
#include "cards/quillox_view.h"
#include "prefs/settings.h"
#include "store/text_codec.h"
#include "ui/command_ids.h"
#include "ui/message_box.h"
#include "version/version_info.h"
#include "web/browser_page.h"
#include "web/browser_setup.h"
#include "web/helper_programs.h"
#include "web/private_pages.h"
#include "web/user_guide.h"
#include "web/web_address.h"

namespace quillox {

void CMainFrame::BindWebCommands() {
    // Load Web Page and Get Web Page from the toolbar, the Internet menu and
    // Ctrl+W / Alt+W; the menu items are always enabled and do nothing
    // without a card (Load) or a document window (Get, which still asks).
    for (const int id : {cmd::kLoadWebPageMenu, cmd::kLoadWebPageTool}) {
        Bind(wxEVT_MENU, &CMainFrame::OnLoadWebPage, this, id);
    }
    for (const int id : {cmd::kGetWebPageMenu, cmd::kGetWebPageTool}) {
        Bind(wxEVT_MENU, &CMainFrame::OnGetWebPage, this, id);
    }
    for (const int id : {cmd::kLaunchWww, cmd::kLaunchBrowserTool}) {
        Bind(wxEVT_MENU, &CMainFrame::OnLaunchWww, this, id);
    }
    for (const int id : {cmd::kLaunchEmail, cmd::kLaunchLogin, cmd::kLaunchNews, cmd::kLaunchFtp}) {
        Bind(wxEVT_MENU, &CMainFrame::OnLaunchHelper, this, id);
    }
    Bind(wxEVT_MENU, &CMainFrame::OnOnlineDocumentation, this, cmd::kOnlineDocumentation);
    Bind(wxEVT_MENU, &CMainFrame::OnHelpReader, this, cmd::kHelpReader);
    Bind(wxEVT_MENU, &CMainFrame::OnHomePage, this, cmd::kHomePage);
}

void CMainFrame::ConnectBrowser(web::DdeInstance& dde, int pageLifetimeMs) {
    dde_ = &dde;
    browser_.reset();
    browser_ = std::make_unique<web::BrowserOpener>(dde, web::PrivatePagesFolder(), pageLifetimeMs);
    browserWait_ = std::make_unique<BrowserWait>(*this);
    dde.SetWaitObserver(browserWait_.get());
}

void CMainFrame::DisconnectBrowser() {
    if (dde_ != nullptr) {
        dde_->SetWaitObserver(nullptr);
    }
    dde_ = nullptr;
    browser_.reset();
}

bool CMainFrame::DeferWhileBrowserWaits(wxEvent& event, wxTopLevelWindow& window) {
    if (browserWait_ == nullptr) {
        return false;
    }
    if (event.GetEventType() == wxEVT_CLOSE_WINDOW) {
        return browserWait_->DeferClose(static_cast<wxCloseEvent&>(event), window);
    }
    return browserWait_->DeferCommand(event, window);
}

bool CMainFrame::IsWaitingForBrowser() const {
    return browserWait_ != nullptr && browserWait_->IsWaiting();
}

void CMainFrame::RecordInstalledBrowsers() {
    web::RecordInstalledBrowsers(this);
    LoadHelperPathCache();
}

void CMainFrame::PerformStartUpLaunches() {
    if (prefs::Read(prefs::kLaunchEmail) == 1) {
        web::StartHelperProgram(this, helperPaths_.mail.utf8_string());
    }
    if (prefs::Read(prefs::kLaunchWebBrowser) == 1) {
        web::LaunchWebBrowser(this, helperPaths_.netscape.utf8_string(),
                              helperPaths_.explorer.utf8_string());
    }
    if (prefs::Read(prefs::kLaunchFtp) == 1) {
        web::StartHelperProgram(this, helperPaths_.ftp.utf8_string());
    }
    if (prefs::Read(prefs::kLaunchTelnet) == 1) {
        web::StartHelperProgram(this, helperPaths_.telnet.utf8_string());
    }
    if (prefs::Read(prefs::kLaunchNewsReader) == 1) {
        web::StartHelperProgram(this, helperPaths_.news.utf8_string());
    }
}

void CMainFrame::OnLoadWebPage(wxCommandEvent&) {
    const CQuilloxNewView* view = ActiveView();
    const CardRecord* card = view != nullptr ? view->CurrentCard() : nullptr;
    if (card == nullptr || browser_ == nullptr) {
        return;
    }
    const bool newWindow = card->IsNewBrowserWindow();
    if (const std::optional<std::string> address = web::LoadWebPageAddress(*card)) {
        browser_->Open(*address, newWindow);
    }
}

// The browser is asked even without a document window; its page then goes
// nowhere.
void CMainFrame::OnGetWebPage(wxCommandEvent&) {
    if (dde_ == nullptr) {
        return;
    }
    const web::WindowInfo page = web::ReadBrowserPage(*dde_);
    // The user asked to close while the browser was asked: no new card now.
    if (browserWait_ != nullptr && browserWait_->HasDeferred()) {
        return;
    }
    CQuilloxNewView* view = ActiveView();
    if (view == nullptr) {
        return;
    }
    // A card without its address is no card of a web page.
    if (page.url.empty()) {
        ShowMessage("No web page address was found.");
        return;
    }
    view->NewCardFromWebPage(page.title, page.url);
}

void CMainFrame::OnLaunchWww(wxCommandEvent&) {
    web::LaunchWebBrowser(this, helperPaths_.netscape.utf8_string(),
                          helperPaths_.explorer.utf8_string());
}

void CMainFrame::OnLaunchHelper(wxCommandEvent& event) {
    const int id = event.GetId();
    const wxString& path = id == cmd::kLaunchEmail   ? helperPaths_.mail
                           : id == cmd::kLaunchLogin ? helperPaths_.telnet
                           : id == cmd::kLaunchNews  ? helperPaths_.news
                                                     : helperPaths_.ftp;
    web::StartHelperProgram(this, path.utf8_string());
}

// The user guide that ships with the program; the home page, where the guide
// is online too, when it was not installed.
void CMainFrame::OnOnlineDocumentation(wxCommandEvent&) {
    if (browser_ != nullptr) {
        const std::string address =
            web::UserGuideAddress(web::UserGuideCandidates()).value_or(version::kHomePage);
        browser_->Open(Utf8ToCp1252Replacing(address), false);
    }
}

void CMainFrame::OnHelpReader(wxCommandEvent&) {
    web::StartPdfReader(this);
}

void CMainFrame::OnHomePage(wxCommandEvent&) {
    if (browser_ != nullptr) {
        browser_->Open(version::kHomePage, false);
    }
}

}  // namespace quillox
