#pragma once

#include <wx/cmndata.h>
#include <wx/docmdi.h>
#include <wx/timer.h>
#include <algorithm>
#include <memory>
#include <string>

#include "app/auto_lock.h"
#include "app/page_setup_dialog.h"
#include "document/document_host.h"
#include "web/browser_opener.h"

namespace quillox {

class BrowserWait;
class CategoryBar;
class ModalDialogs;
class ScreenLockMonitor;
class CQuilloxNewDoc;
class CQuilloxNewView;
namespace web {
class DdeInstance;
}  // namespace web

// The MDI main window: toolbar, status bar and the category bar shared by
// all document windows; routes the commands that belong to no document. It is
// the host of every document it shows.
class CMainFrame : public wxDocMDIParentFrame, public DocumentHost {
  public:
    CMainFrame(wxDocManager* manager, const wxString& title);
    ~CMainFrame() override;

    CategoryBar* GetCategoryBar() const { return categoryBar_; }

    // The document host.
    wxWindow* DialogParent() override { return this; }
    std::string CurrentCategory() const override;
    void SelectCategory(const std::string& name) override;
    void SelectCategoryByPrefix(const std::string& prefix) override;
    void ShowLockStatus(bool locked, EncryptionForm form) override;
    // Status pane of the item count: "Items: " and the count.
    void ShowItemCount(long count) override;
    // After the last document has closed: no lock status and no item count.
    void ShowStateWithoutDocument();
    // Restarts the auto-save period from "Automatic Save" (minutes); 0 or a
    // non-number leaves the timer off.
    void ArmAutoSaveTimer() override;
    int GetCardCopiedFlag() const override { return cardCopiedFlag_; }
    void SetCardCopiedFlag(int flag) override { cardCopiedFlag_ = flag; }
    wxWindow* CreateDocumentWindow(wxDocument& document, wxView& view) override;

    // Large icon of the active document window by its encrypted flag.
    void SetDocumentIcon(bool encrypted);
    bool IsAutoSaveArmed() const { return autoSaveTimer_.IsRunning(); }
    int AutoSaveIntervalMs() const { return autoSaveTimer_.GetInterval(); }

    // The active document window's view and document, or nothing.
    CQuilloxNewView* ActiveView() const;
    CQuilloxNewDoc* ActiveDocument() const;

    // Menus shared by the frame and the document windows.
    static wxMenuBar* CreateDocumentMenuBar(wxDocManager* manager);

    // Saves the active document when it has changed and has a file; no
    // dialog is ever shown from here.
    void AutoSave();

    // Paths of the helper programs and the print flags, read at start-up;
    // the print flags again after every run of the Preferences sheet.
    struct HelperPaths {
        wxString netscape, explorer, mail, news, ftp, pdfReader, telnet;
    };
    void LoadHelperPathCache();
    void ReloadPrintFlags();
    const HelperPaths& GetHelperPaths() const { return helperPaths_; }
    bool PrintAtmCodes() const override { return printAtm_ == 1; }
    bool PrintNotes() const override { return printNotes_ == 1; }

    // Print Setup and print preview (main_frame_print.cpp).
    wxPageSetupDialogData& PageSetup() override { return pageSetup_; }
    wxPrintData& PrintData() { return pageSetup_.GetPrintData(); }
    void ShowCategoryBar(bool shown) override;

    // The browser and helper programs (main_frame_web.cpp). The process's
    // DDE instance carries the browser conversation from now on. A new
    // connection ends the old opener, and with it its forwarding pages.
    void ConnectBrowser(web::DdeInstance& dde,
                        int pageLifetimeMs = web::BrowserOpener::kPageLifetimeMs);
    // The DDE instance ends before the frame: nothing may reach it after.
    void DisconnectBrowser();
    web::DdeInstance* Dde() const { return dde_; }
    web::BrowserOpener* Browser() const { return browser_.get(); }
    // The first start's look for installed browsers; the path cache follows.
    void RecordInstalledBrowsers();
    // The programs the user chose to start with Quillox, in their order.
    void PerformStartUpLaunches();
    // While a request waits for the browser: keeps a close of window (the
    // frame or a document window), or a command sent to it that would close
    // one, for when the wait is over, and says true.
    bool DeferWhileBrowserWaits(wxEvent& event, wxTopLevelWindow& window);
    bool IsWaitingForBrowser() const;

    // Locking encrypted documents when the user leaves (main_frame_lock.cpp):
    // after "Lock After Idle Minutes" without input, or when the screen locks
    // and "Lock When Screen Locks" is 1. Checked every few seconds from now on.
    void StartAutoLock();
    // A key or the mouse was used in one of the program's windows.
    void UserInput() { autoLock_.Input(); }
    // A menu of the program's windows opened or closed: a command chosen
    // from it may still need its document.
    void MenuShown(bool open) { openMenus_ = open ? openMenus_ + 1 : std::max(openMenus_ - 1, 0); }
    void ScreenLocked();
    // Locks now if a lock is due and no dialog or wait is in the way; a
    // document with changes that cannot be saved quietly stays open.
    void CheckAutoLock();
    // Tests let time pass without waiting for it.
    void SetAutoLockClock(AutoLock::Clock clock) { autoLock_ = AutoLock(std::move(clock)); }

  protected:
    // Commands that their update rule disables do nothing from any route
    // (main_frame_commands.cpp).
    bool TryBefore(wxEvent& event) override;

  private:
    void CreateMainToolBar();
    void CreateMainStatusBar();
    wxMenuBar* CreateFrameMenuBar();
    void BindPrintCommands();
    void OnPrintSetup(wxCommandEvent& event);
    // "Quillox - " and the active document's title, or "Quillox" alone
    // (main_frame_title.cpp).
    void OnIdleShowTitle(wxIdleEvent& event);

    void OnCloseFile(wxCommandEvent& event);
    void OnUpdateCloseFile(wxUpdateUIEvent& event);
    void OnCategoryChosen(wxCommandEvent& event);
    void OnGeneratePassword(wxCommandEvent& event);
    void OnPreferences(wxCommandEvent& event);
    void OnAutoSaveTimer(wxTimerEvent& event);
    void OnUpdateGetWebPage(wxUpdateUIEvent& event);
    void OnUpdateLoadWebPage(wxUpdateUIEvent& event);
    void OnUpdateNotHandledHere(wxUpdateUIEvent& event);
    void OnUpdateKeyStates(wxIdleEvent& event);
    void OnToggleToolbar(wxCommandEvent& event);
    void OnToggleStatusBar(wxCommandEvent& event);
    void OnUpdateToggleToolbar(wxUpdateUIEvent& event);
    void OnUpdateToggleStatusBar(wxUpdateUIEvent& event);

    // Closes or saves and closes what the lock takes; false when documents
    // with changes had to stay open.
    bool LockDocuments();
    void OnLockTimer(wxTimerEvent& event);

    void BindWebCommands();
    void OnLoadWebPage(wxCommandEvent& event);
    void OnGetWebPage(wxCommandEvent& event);
    void OnLaunchWww(wxCommandEvent& event);
    void OnLaunchHelper(wxCommandEvent& event);
    void OnOnlineDocumentation(wxCommandEvent& event);
    void OnHelpReader(wxCommandEvent& event);
    void OnHomePage(wxCommandEvent& event);

    wxString appTitle_;
    // The document's name and its window's state when the title was last
    // set; they decide the title.
    wxString titledFor_;
    CategoryBar* categoryBar_ = nullptr;
    wxTimer autoSaveTimer_;
    int cardCopiedFlag_ = 0;
    HelperPaths helperPaths_;
    long printAtm_ = 1;
    long printNotes_ = 1;
    web::DdeInstance* dde_ = nullptr;
    std::unique_ptr<web::BrowserOpener> browser_;
    std::unique_ptr<BrowserWait> browserWait_;
    AutoLock autoLock_;
    wxTimer lockTimer_;
    int openMenus_ = 0;
    std::unique_ptr<ModalDialogs> modalDialogs_;
    std::unique_ptr<ScreenLockMonitor> screenLock_;
    // Paper, orientation and printer for every print and preview.
    wxPageSetupDialogData pageSetup_ = DefaultPageSetup();

    wxDECLARE_EVENT_TABLE();
};

// The main frame of the running program.
CMainFrame* GetMainFrame();

}  // namespace quillox
