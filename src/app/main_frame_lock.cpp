// Locking when the user leaves: encrypted documents close after a time
// without input or when the screen locks; changes are never lost on the way.
#include <wx/evtloop.h>

#include "app/main_frame.h"
#include "app/modal_dialogs.h"
#include "app/screen_lock.h"
#include "cards/clipboard_text.h"
#include "document/quillox_doc.h"
#include "prefs/settings.h"

namespace quillox {

namespace {

// How often a due lock is looked for.
constexpr int kLockCheckMs = 5000;

}  // namespace

void CMainFrame::StartAutoLock() {
    modalDialogs_ = std::make_unique<ModalDialogs>();
    lockTimer_.SetOwner(this, wxWindow::NewControlId());
    Bind(wxEVT_TIMER, &CMainFrame::OnLockTimer, this, lockTimer_.GetId());
    lockTimer_.Start(kLockCheckMs);
    screenLock_ = ScreenLockMonitor::Start([this] { ScreenLocked(); });
}

void CMainFrame::ScreenLocked() {
    if (prefs::Read(prefs::kLockWhenScreenLocks) == 1) {
        autoLock_.ScreenLocked();
        CheckAutoLock();
    }
}

void CMainFrame::OnLockTimer(wxTimerEvent&) {
    CheckAutoLock();
}

void CMainFrame::CheckAutoLock() {
    if (!autoLock_.Due(prefs::Read(prefs::kLockAfterIdleMinutes))) {
        return;
    }
    // A dialog or menu (closing a document under it would pull its cards
    // away), or a wait that handles events meanwhile, such as a request to
    // the browser, may hold a document's cards: tried again at the next check.
    const wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    if ((modalDialogs_ != nullptr && modalDialogs_->AnyOpen()) || openMenus_ > 0 ||
        (loop != nullptr && loop->IsYielding()) || IsWaitingForBrowser()) {
        return;
    }
    autoLock_.Ran(!LockDocuments());
}

bool CMainFrame::LockDocuments() {
    const bool autoSave = prefs::Read(prefs::kAutomaticSaveCheck) == 1;
    bool waiting = false;
    bool closed = false;
    for (wxDocument* each : GetDocumentManager()->GetDocumentsVector()) {
        auto* document = dynamic_cast<CQuilloxNewDoc*>(each);
        if (document == nullptr) {
            continue;
        }
        const LockStep step = LockStepFor(document->IsEncrypted(), document->IsModified(),
                                          autoSave && document->HasFile());
        if (step == LockStep::kLeaveOpen) {
            continue;
        }
        const bool saved = step != LockStep::kSaveAndClose || document->SaveQuietly();
        if (step == LockStep::kWait || !saved ||
            !GetDocumentManager()->CloseDocument(document, false)) {
            waiting = true;
        } else {
            closed = true;
        }
    }
    // A password copied from a locked document goes with it.
    if (closed) {
        TakeBackClipboardText();
    }
    return !waiting;
}

}  // namespace quillox
