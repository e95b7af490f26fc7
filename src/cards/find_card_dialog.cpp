#include "cards/find_card_dialog.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "cards/card_search.h"
#include "cards/quillox_view.h"
#include "document/quillox_doc.h"
#include "prefs/settings.h"
#include "store/text_codec.h"

namespace quillox {

wxBEGIN_EVENT_TABLE(CFindCardDlg, wxDialog)
    EVT_BUTTON(CFindCardDlg::kFindId, CFindCardDlg::OnFind)
    EVT_BUTTON(CFindCardDlg::kFindAgainId, CFindCardDlg::OnFindAgain)
    EVT_BUTTON(wxID_CANCEL, CFindCardDlg::OnCancel)
wxEND_EVENT_TABLE()

CFindCardDlg::CFindCardDlg(wxWindow* parent, CQuilloxNewDoc& document, bool ignoreCase)
    : wxDialog(parent, wxID_ANY, "Find Card"), document_(document) {
    const int gap = FromDIP(10);
    const int small = FromDIP(5);

    text_ = new wxTextCtrl(this, kSearchTextId, wxEmptyString, wxDefaultPosition,
                           FromDIP(wxSize(220, -1)));
    ignoreCase_ = new wxCheckBox(this, kIgnoreCaseId, "Ignore Case");
    ignoreCase_->SetValue(ignoreCase);

    auto* fields = new wxBoxSizer(wxVERTICAL);
    fields->Add(new wxStaticText(this, wxID_ANY, "Search string:"));
    fields->Add(text_, 0, wxEXPAND | wxTOP, small);
    fields->Add(ignoreCase_, 0, wxTOP, gap);

    auto* find = new wxButton(this, kFindId, "Find");
    find->SetDefault();
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(find, 0, wxEXPAND);
    buttons->Add(new wxButton(this, kFindAgainId, "Find Again"), 0, wxEXPAND | wxTOP, small);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxEXPAND | wxTOP, small);

    auto* layout = new wxBoxSizer(wxHORIZONTAL);
    layout->Add(fields, 1, wxALL, gap);
    layout->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM, gap);
    SetSizerAndFit(layout);
    text_->SetFocus();
}

void CFindCardDlg::TakeControls() {
    searchText_ = Utf8ToCp1252(text_->GetValue().utf8_string());
    searchList_ = BuildSearchList(document_.Cards());
}

int CFindCardDlg::Search(int start) const {
    if (!searchText_) {
        return -1;
    }
    return SearchCards(searchList_, *searchText_, ignoreCase_->GetValue(), start);
}

void CFindCardDlg::OnFind(wxCommandEvent&) {
    if (document_.GetFirstView() == nullptr) {
        return;
    }
    TakeControls();
    lastFoundIndex_ = searchList_.empty() ? -1 : Search(0);
    if (lastFoundIndex_ == -1) {
        Tell("Card Not Found");
    } else {
        ShowHit(lastFoundIndex_);
    }
}

void CFindCardDlg::OnFindAgain(wxCommandEvent&) {
    if (document_.GetFirstView() == nullptr) {
        return;
    }
    TakeControls();
    const int count = static_cast<int>(searchList_.size());
    if (count > 0 && lastFoundIndex_ != -1 && lastFoundIndex_ < count) {
        lastFoundIndex_ = Search(lastFoundIndex_ + 1);
        if (lastFoundIndex_ != -1) {
            ShowHit(lastFoundIndex_);
            return;
        }
    }
    Tell("No More Cards Found");
}

void CFindCardDlg::ShowHit(int index) {
    const CardRecord* card = searchList_[static_cast<std::size_t>(index)];
    const std::string name = CategoryDisplayName(card->GetCategoryId());
    document_.Host().SelectCategory(name);
    document_.UpdateAllViewsFor(name);
    if (auto* view = dynamic_cast<CQuilloxNewView*>(document_.GetFirstView())) {
        view->SelectCard(card);
    }
}

void CFindCardDlg::Tell(const char* text) {
    wxMessageBox(text, "Card Search", wxOK | wxICON_INFORMATION, this);
}

// Also reached by Escape and the close box, which press Cancel.
void CFindCardDlg::OnCancel(wxCommandEvent&) {
    prefs::Write(prefs::kFindCasePref, ignoreCase_->GetValue() ? 1 : 0);
    Destroy();
}

}  // namespace quillox
