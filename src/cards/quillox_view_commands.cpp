// The card list's commands: creating and editing cards, deleting and moving
// them, copying fields to the clipboard, copying and pasting cards, and Find.
// Every change is the document's: the view asks, the document changes its
// cards and updates the views.
#include <wx/app.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <algorithm>
#include <iterator>

#include "cards/card_dialog.h"
#include "cards/card_form.h"
#include "cards/card_list_data_model.h"
#include "cards/clipboard_text.h"
#include "cards/find_card_dialog.h"
#include "cards/quillox_view.h"
#include "document/card_changes.h"
#include "document/document_host.h"
#include "document/quillox_doc.h"
#include "prefs/settings.h"
#include "ui/command_ids.h"
#include "ui/message_box.h"

namespace quillox {

wxBEGIN_EVENT_TABLE(CQuilloxNewView, wxView)
    EVT_MENU(cmd::kNewCard, CQuilloxNewView::OnNewCard)
    EVT_MENU(cmd::kAddCardTool, CQuilloxNewView::OnNewCard)
    EVT_MENU(cmd::kEditCard, CQuilloxNewView::OnEditCard)
    EVT_MENU(cmd::kUpdateCardTool, CQuilloxNewView::OnEditCard)
    EVT_MENU(cmd::kDeleteCard, CQuilloxNewView::OnDeleteCard)
    EVT_MENU(cmd::kDeleteCardTool, CQuilloxNewView::OnDeleteCard)
    EVT_MENU(cmd::kCopyPasswordMenu, CQuilloxNewView::OnCopyField)
    EVT_MENU(cmd::kCopyPasswordTool, CQuilloxNewView::OnCopyField)
    EVT_MENU(cmd::kCopyName, CQuilloxNewView::OnCopyField)
    EVT_MENU(cmd::kCopyUserId, CQuilloxNewView::OnCopyField)
    EVT_MENU(cmd::kCopyPasswordItem, CQuilloxNewView::OnCopyField)
    EVT_MENU(cmd::kCopyNote, CQuilloxNewView::OnCopyField)
    EVT_MENU(cmd::kCopyCard, CQuilloxNewView::OnCopyCard)
    EVT_MENU(cmd::kPasteCard, CQuilloxNewView::OnPasteCard)
    EVT_MENU(wxID_FIND, CQuilloxNewView::OnFind)
    EVT_MENU(cmd::kFindTool, CQuilloxNewView::OnFind)
    EVT_UPDATE_UI(cmd::kNewCard, CQuilloxNewView::OnUpdateAlways)
    EVT_UPDATE_UI(cmd::kAddCardTool, CQuilloxNewView::OnUpdateAlways)
    EVT_UPDATE_UI(cmd::kCopyPasswordMenu, CQuilloxNewView::OnUpdateAlways)
    EVT_UPDATE_UI(cmd::kEditCard, CQuilloxNewView::OnUpdateNeedsCard)
    EVT_UPDATE_UI(cmd::kUpdateCardTool, CQuilloxNewView::OnUpdateNeedsCard)
    EVT_UPDATE_UI(cmd::kCopyPasswordTool, CQuilloxNewView::OnUpdateNeedsCard)
    EVT_UPDATE_UI(cmd::kGeneratePassword, CQuilloxNewView::OnUpdateNeedsCard)
    EVT_UPDATE_UI(cmd::kDeleteCard, CQuilloxNewView::OnUpdateDelete)
    EVT_UPDATE_UI(cmd::kDeleteCardTool, CQuilloxNewView::OnUpdateDelete)
    EVT_UPDATE_UI(cmd::kPasteCard, CQuilloxNewView::OnUpdatePaste)
    EVT_UPDATE_UI(wxID_FIND, CQuilloxNewView::OnUpdateFind)
    EVT_UPDATE_UI(cmd::kFindTool, CQuilloxNewView::OnUpdateAlways)
wxEND_EVENT_TABLE()

namespace {
int DateFormat() {
    return static_cast<int>(prefs::Read(prefs::kDateFormat));
}

}  // namespace

void CQuilloxNewView::NewCard() {
    const std::string name = host_->CurrentCategory();
    if (name == kShowAllName || FindCategoryByName(name) < 0) {
        wxMessageBox("Please select a category first.", "Warning", wxOK | wxICON_INFORMATION,
                     GetFrame());
        return;
    }
    RunNewCardDialog(NewCardForm(name));
}

void CQuilloxNewView::NewCardFromWebPage(const std::string& title, const std::string& url) {
    const std::string name = host_->CurrentCategory();
    if (name == kShowAllName || FindCategoryByName(name) < 0) {
        wxMessageBox("Please select a category first.", "Warning", wxOK | wxICON_INFORMATION,
                     GetFrame());
        return;
    }
    RunNewCardDialog(WebPageCardForm(name, title, url));
}

void CQuilloxNewView::RunNewCardDialog(const CardForm& form) {
    CCardDlg dialog(GetFrame(), form);
    if (dialog.ShowModal() != wxID_OK || Document() == nullptr) {
        return;
    }
    const CardForm result = dialog.Result();
    const int id = FindCategoryByName(result.categoryName);
    Document()->AddCard(id, CreateCardFromForm(result, CurrentMacTime(), DateFormat()));
}

void CQuilloxNewView::EditCard() {
    if (const CardRecord* card = CurrentCard()) {
        RunEditDialog(*card);
    }
}

void CQuilloxNewView::EditCardAtRow(int row) {
    if (const CardRecord* card = rows_.At(static_cast<std::size_t>(row))) {
        RunEditDialog(*card);
    }
}

// The document draws the edited card's row again; the other rows stay.
void CQuilloxNewView::RunEditDialog(const CardRecord& card) {
    CCardDlg dialog(GetFrame(), EditCardForm(card));
    if (dialog.ShowModal() != wxID_OK || Document() == nullptr) {
        return;
    }
    Document()->ApplyCardForm(card, dialog.Result());
}

void CQuilloxNewView::BindCardCommands() {
    // The Change Category ids are not one range, so each is bound by itself.
    for (const int id : cmd::kChangeCategory) {
        Bind(wxEVT_MENU, &CQuilloxNewView::OnChangeCategory, this, id);
        Bind(wxEVT_UPDATE_UI, &CQuilloxNewView::OnUpdateNeedsCard, this, id);
    }
    list_->Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED, &CQuilloxNewView::OnItemActivated, this);
    list_->Bind(wxEVT_DATAVIEW_ITEM_CONTEXT_MENU, &CQuilloxNewView::OnContextMenu, this);
}

void CQuilloxNewView::OnNewCard(wxCommandEvent&) {
    NewCard();
}

void CQuilloxNewView::OnEditCard(wxCommandEvent&) {
    EditCard();
}

void CQuilloxNewView::OnItemActivated(wxDataViewEvent& event) {
    if (event.GetItem().IsOk()) {
        EditCardAtRow(static_cast<int>(model_->GetRow(event.GetItem())));
    }
}

void CQuilloxNewView::OnDeleteCard(wxCommandEvent&) {
    const std::string name = host_->CurrentCategory();
    const CardRecord* card = CurrentCard();
    if (card == nullptr || Document() == nullptr) {
        return;
    }
    if (wxMessageBox("Are you sure you want to delete this card?", "Warning",
                     wxOK | wxCANCEL | wxICON_EXCLAMATION, GetFrame()) != wxOK) {
        return;
    }
    Document()->DeleteCard(*card, name);
}

void CQuilloxNewView::OnChangeCategory(wxCommandEvent& event) {
    const CardRecord* card = CurrentCard();
    if (card == nullptr || Document() == nullptr) {
        return;
    }
    const auto& ids = cmd::kChangeCategory;
    const auto item = static_cast<std::size_t>(
        std::find(std::begin(ids), std::end(ids), event.GetId()) - std::begin(ids));
    if (item >= std::size(ids)) {
        return;
    }
    const int target = CategoryDisplayOrder()[item];
    const std::string name = CategoryDisplayName(target);
    if (CategoryDisplayName(card->GetCategoryId()) == name) {
        ShowMessage("Card already in this category");
        return;
    }
    if (!Document()->MoveCard(*card, target)) {
        return;
    }
    host_->SelectCategory(name);
    SelectCard(card);
}

void CQuilloxNewView::OnCopyField(wxCommandEvent& event) {
    const CardRecord* card = CurrentCard();
    if (card == nullptr) {
        return;
    }
    const int id = event.GetId();
    if (id == cmd::kCopyName) {
        PutTextOnClipboard(card->GetField1());
    } else if (id == cmd::kCopyUserId) {
        PutTextOnClipboard(card->GetField3());
    } else if (id == cmd::kCopyNote) {
        PutTextOnClipboard(card->GetNote());
    } else {
        PutTextOnClipboard(card->GetField4());
    }
}

void CQuilloxNewView::OnCopyCard(wxCommandEvent&) {
    const CardRecord* card = CurrentCard();
    if (card == nullptr) {
        return;
    }
    cardCopyBuffer_ = MakeCardCopy(*card, CurrentMacTime(), DateFormat());
    host_->SetCardCopiedFlag(1);
}

// The copy lives in the view that made it: another window's Paste finds none.
void CQuilloxNewView::OnPasteCard(wxCommandEvent&) {
    if (!cardCopyBuffer_ || Document() == nullptr) {
        return;
    }
    Document()->PasteCard(std::move(cardCopyBuffer_), host_->CurrentCategory());
    host_->SetCardCopiedFlag(0);
}

// One Find dialog per document: while it is open, Find leaves it where it is.
// A dialog that was cancelled but awaits deletion no longer counts.
void CQuilloxNewView::OnFind(wxCommandEvent&) {
    CQuilloxNewDoc* document = Document();
    if (document == nullptr) {
        return;
    }
    wxDialog* open = document->FindDialog();
    if (open != nullptr && !wxTheApp->IsScheduledForDestruction(open)) {
        return;
    }
    auto* dialog =
        new CFindCardDlg(host_->DialogParent(), *document, prefs::Read(prefs::kFindCasePref) == 1);
    document->SetFindDialog(dialog);
    dialog->Show();
    dialog->CentreOnParent();
}

void CQuilloxNewView::OnContextMenu(wxDataViewEvent& event) {
    wxMenu menu;
    menu.Append(cmd::kCopyName, "Copy Name");
    menu.Append(cmd::kCopyUserId, "Copy User ID");
    menu.Append(cmd::kCopyPasswordItem, "Copy Password");
    menu.Append(cmd::kCopyNote, "Copy Note");
    menu.AppendSeparator();
    menu.Append(cmd::kCopyCard, "Copy Card");
    menu.Append(cmd::kPasteCard, "Paste Card");
    menu.Enable(cmd::kPasteCard, host_->GetCardCopiedFlag() != 0);
    // The menu's commands go to this view, whatever window shows it.
    menu.SetEventHandler(this);
    wxPoint where = event.GetPosition();
    if (where == wxDefaultPosition) {
        where = list_->ScreenToClient(wxGetMousePosition());
    }
    list_->PopupMenu(&menu, where + wxPoint(50, 0));
}

void CQuilloxNewView::OnUpdateAlways(wxUpdateUIEvent& event) {
    event.Enable(true);
}

void CQuilloxNewView::OnUpdateNeedsCard(wxUpdateUIEvent& event) {
    event.Enable(CurrentCard() != nullptr);
}

// Deleting takes the card from the category shown, so "Show All" cannot.
void CQuilloxNewView::OnUpdateDelete(wxUpdateUIEvent& event) {
    event.Enable(CurrentCard() != nullptr && host_->CurrentCategory() != kShowAllName);
}

void CQuilloxNewView::OnUpdatePaste(wxUpdateUIEvent& event) {
    event.Enable(host_->GetCardCopiedFlag() != 0);
}

// The menu's Find needs at least one card, deleted ones included; the
// toolbar's needs a document only.
void CQuilloxNewView::OnUpdateFind(wxUpdateUIEvent& event) {
    event.Enable(Document() != nullptr && Document()->HasCards());
}

}  // namespace quillox
