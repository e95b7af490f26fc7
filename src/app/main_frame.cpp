#include "app/main_frame.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app/browser_wait.h"
#include "app/category_bar.h"
#include "app/child_frame.h"
#include "app/command_keys.h"
#include "app/modal_dialogs.h"
#include "app/screen_lock.h"
#include "cards/generate_password_dialog.h"
#include "cards/generator_use.h"
#include "cards/quillox_view.h"
#include "document/quillox_doc.h"
#include "prefs/preferences_sheet.h"
#include "prefs/settings.h"
#include "ui/art/art.h"
#include "ui/command_ids.h"

namespace quillox {

wxBEGIN_EVENT_TABLE(CMainFrame, wxDocMDIParentFrame)
    EVT_MENU(cmd::kCloseFile, CMainFrame::OnCloseFile)
    EVT_UPDATE_UI(cmd::kCloseFile, CMainFrame::OnUpdateCloseFile)
    EVT_MENU(cmd::kGeneratePassword, CMainFrame::OnGeneratePassword)
    EVT_MENU(cmd::kPreferences, CMainFrame::OnPreferences)
    EVT_CHOICE(cmd::kCategoryCombo, CMainFrame::OnCategoryChosen)
    EVT_TIMER(cmd::kAutoSaveTimer, CMainFrame::OnAutoSaveTimer)
    EVT_UPDATE_UI(cmd::kGetWebPageTool, CMainFrame::OnUpdateGetWebPage)
    EVT_UPDATE_UI(cmd::kLoadWebPageTool, CMainFrame::OnUpdateLoadWebPage)
    EVT_MENU(cmd::kViewToolbar, CMainFrame::OnToggleToolbar)
    EVT_MENU(cmd::kViewStatusBar, CMainFrame::OnToggleStatusBar)
    EVT_UPDATE_UI(cmd::kViewToolbar, CMainFrame::OnUpdateToggleToolbar)
    EVT_UPDATE_UI(cmd::kViewStatusBar, CMainFrame::OnUpdateToggleStatusBar)
    EVT_IDLE(CMainFrame::OnUpdateKeyStates)
wxEND_EVENT_TABLE()

namespace {
// Commands that reach the frame only when no document window's list took
// them, or whose windows come with later work: nobody is there to carry them
// out, so they stand in the menus and toolbar disabled.
const int kNotHandledHere[] = {
    cmd::kSetPassword,
    cmd::kExportText,
    cmd::kExportXml,
    cmd::kCopyPasswordMenu,
    cmd::kCopyPasswordTool,
    cmd::kFindTool,
    wxID_FIND,
    cmd::kNewCard,
    cmd::kAddCardTool,
    cmd::kDeleteCard,
    cmd::kDeleteCardTool,
    cmd::kEditCard,
    cmd::kUpdateCardTool,
    wxID_PRINT,
    wxID_PREVIEW,
    wxID_UNDO,
    wxID_COPY,
    wxID_PASTE,
    wxID_CUT,
    cmd::kArrangeIcons,
};

}  // namespace

CMainFrame::CMainFrame(wxDocManager* manager, const wxString& title)
    // The program's menus have their own Window menu: Windows adds no second one.
    : wxDocMDIParentFrame(manager, nullptr, wxID_ANY, title, wxDefaultPosition, wxSize(700, 480),
                          wxDEFAULT_FRAME_STYLE | wxFRAME_NO_WINDOW_MENU),
      appTitle_(title),
      autoSaveTimer_(this, cmd::kAutoSaveTimer) {
    SetIcons(AppIcons());
    SetMenuBar(CreateFrameMenuBar());
    CreateMainToolBar();
    CreateMainStatusBar();
    SetAcceleratorTable(CommandKeys());
    BindPrintCommands();

    // The category bar sits above the document windows' area.
    categoryBar_ = new CategoryBar(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(categoryBar_, wxSizerFlags().Expand());
    sizer->Add(GetClientWindow(), wxSizerFlags(1).Expand());
    SetSizer(sizer);

    // Wide enough for a document window's six columns without scrolling
    // sideways: the list, its borders and its vertical scroll bar.
    const int listWidth = CQuilloxNewView::InitialListWidth(*this) + FromDIP(48);
    if (GetSize().GetWidth() < listWidth) {
        SetSize(wxSize(listWidth, GetSize().GetHeight()));
    }

    for (const int id : kNotHandledHere) {
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNotHandledHere, this, id);
    }
    for (const int id : cmd::kChangeCategory) {
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateNotHandledHere, this, id);
    }
    BindWebCommands();
    Bind(wxEVT_IDLE, &CMainFrame::OnIdleShowTitle, this);
    Centre();
}

CMainFrame::~CMainFrame() {
    DisconnectBrowser();
}

std::string CMainFrame::CurrentCategory() const {
    return categoryBar_->CurrentCategory();
}

void CMainFrame::SelectCategory(const std::string& name) {
    categoryBar_->Selector()->SetStringSelection(wxString(name));
}

void CMainFrame::SelectCategoryByPrefix(const std::string& prefix) {
    categoryBar_->SelectByPrefix(prefix);
}

void CMainFrame::ShowLockStatus(bool locked, EncryptionForm form) {
    categoryBar_->SetLocked(locked, form);
}

wxWindow* CMainFrame::CreateDocumentWindow(wxDocument& document, wxView& view) {
    return new CChildFrame(&document, &view, this);
}

void CMainFrame::ShowStateWithoutDocument() {
    if (GetDocumentManager() != nullptr && !GetDocumentManager()->GetDocumentsVector().empty()) {
        return;
    }
    categoryBar_->ClearLocked();
    if (wxStatusBar* status = GetStatusBar()) {
        status->SetStatusText("Items:", cmd::kItemCountPane);
    }
}

void CMainFrame::ShowItemCount(long count) {
    if (wxStatusBar* status = GetStatusBar()) {
        status->SetStatusText(wxString::Format("Items: %ld", count), cmd::kItemCountPane);
    }
}

void CMainFrame::SetDocumentIcon(bool encrypted) {
    if (wxMDIChildFrame* child = GetActiveChild()) {
        child->SetIcon(
            ArtBundle(encrypted ? ArtId::DocumentEncrypted : ArtId::DocumentPlain, wxSize(32, 32))
                .GetIcon(wxSize(32, 32)));
    }
}

void CMainFrame::ArmAutoSaveTimer() {
    long minutes = 0;
    if (!prefs::Read(prefs::kAutomaticSave).ToLong(&minutes)) {
        minutes = 0;
    }
    autoSaveTimer_.Stop();
    if (minutes > 0) {
        autoSaveTimer_.Start(static_cast<int>(minutes * 60000));
    }
}

// The active document window's view. Windows deactivates that view whenever
// the frame loses activation, to the Find dialog say, and the document
// manager then has no current view although the user still works in it.
CQuilloxNewView* CMainFrame::ActiveView() const {
    if (const auto* child = dynamic_cast<const CChildFrame*>(GetActiveChild())) {
        return dynamic_cast<CQuilloxNewView*>(child->GetView());
    }
    return dynamic_cast<CQuilloxNewView*>(GetDocumentManager()->GetCurrentView());
}

CQuilloxNewDoc* CMainFrame::ActiveDocument() const {
    CQuilloxNewView* view = ActiveView();
    return view != nullptr ? dynamic_cast<CQuilloxNewDoc*>(view->GetDocument()) : nullptr;
}

void CMainFrame::AutoSave() {
    CQuilloxNewDoc* document = ActiveDocument();
    if (document != nullptr && document->IsModified() && document->HasFile()) {
        document->SaveQuietly();
    }
}

void CMainFrame::LoadHelperPathCache() {
    helperPaths_.netscape = prefs::Read(prefs::kNetscapeFilePath);
    helperPaths_.explorer = prefs::Read(prefs::kExplorerFilePath);
    helperPaths_.mail = prefs::Read(prefs::kMailProgFilePath);
    helperPaths_.news = prefs::Read(prefs::kNewsProgFilePath);
    helperPaths_.ftp = prefs::Read(prefs::kFtpFilePath);
    helperPaths_.pdfReader = prefs::Read(prefs::kHelpProgFilePath);
    helperPaths_.telnet = prefs::Read(prefs::kTelnetFilePath);
    ReloadPrintFlags();
}

void CMainFrame::ReloadPrintFlags() {
    printAtm_ = prefs::Read(prefs::kPrintAtm);
    printNotes_ = prefs::Read(prefs::kPrintNotes);
}

void CMainFrame::OnAutoSaveTimer(wxTimerEvent&) {
    AutoSave();
}

// "Use" puts the password into the active list's current card; without a
// card list the dialog still makes passwords for the clipboard.
void CMainFrame::OnGeneratePassword(wxCommandEvent&) {
    CQuilloxNewView* view = ActiveView();
    const CardRecord* card = view != nullptr ? view->CurrentCard() : nullptr;
    CGeneratePasswordDlg dialog(this, GeneratorUseAllowed(card != nullptr, CurrentCategory()));
    if (dialog.ShowModal() != wxID_OK || card == nullptr) {
        return;
    }
    if (CQuilloxNewDoc* document = view->Document()) {
        document->SetGeneratedPassword(*card, dialog.Password());
    }
}

// Whether confirmed or not, the print flags are read again and the lists
// repainted, so that the password and date display take effect at once.
void CMainFrame::OnPreferences(wxCommandEvent&) {
    // Cancel stores nothing, so reading everything again is always right.
    prefs::RunPreferencesSheet(this);
    LoadHelperPathCache();
    if (CQuilloxNewDoc* document = ActiveDocument()) {
        document->UpdateAllViewsFor(CurrentCategory());
    }
}

// The document manager closes the active document on the standard id.
void CMainFrame::OnCloseFile(wxCommandEvent&) {
    wxCommandEvent close(wxEVT_MENU, wxID_CLOSE);
    close.SetEventObject(this);
    ProcessWindowEvent(close);
}

void CMainFrame::OnUpdateCloseFile(wxUpdateUIEvent& event) {
    event.Enable(GetDocumentManager() != nullptr &&
                 GetDocumentManager()->GetCurrentDocument() != nullptr);
}

void CMainFrame::OnCategoryChosen(wxCommandEvent&) {
    if (CQuilloxNewView* view = ActiveView()) {
        view->OnCategoryChosen(CurrentCategory());
    }
}

void CMainFrame::OnUpdateGetWebPage(wxUpdateUIEvent& event) {
    event.Enable(ActiveView() != nullptr);
}

void CMainFrame::OnUpdateLoadWebPage(wxUpdateUIEvent& event) {
    const CQuilloxNewView* view = ActiveView();
    event.Enable(view != nullptr && view->SelectionMark() >= 0);
}

void CMainFrame::OnUpdateNotHandledHere(wxUpdateUIEvent& event) {
    event.Enable(false);
}

void CMainFrame::OnToggleToolbar(wxCommandEvent&) {
    if (wxToolBar* bar = GetToolBar()) {
        bar->Show(!bar->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
    if (wxStatusBar* bar = GetStatusBar()) {
        bar->Show(!bar->IsShown());
        SendSizeEvent();
    }
}

void CMainFrame::OnUpdateToggleToolbar(wxUpdateUIEvent& event) {
    event.Check(GetToolBar() != nullptr && GetToolBar()->IsShown());
}

void CMainFrame::OnUpdateToggleStatusBar(wxUpdateUIEvent& event) {
    event.Check(GetStatusBar() != nullptr && GetStatusBar()->IsShown());
}

void CMainFrame::OnUpdateKeyStates(wxIdleEvent& event) {
    if (wxStatusBar* status = GetStatusBar()) {
        status->SetStatusText(wxGetKeyState(WXK_CAPITAL) ? "CAP" : "", 1);
        status->SetStatusText(wxGetKeyState(WXK_NUMLOCK) ? "NUM" : "", 2);
        status->SetStatusText(wxGetKeyState(WXK_SCROLL) ? "SCRL" : "", 3);
    }
    event.Skip();
}

CMainFrame* GetMainFrame() {
    return dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow());
}

}  // namespace quillox
