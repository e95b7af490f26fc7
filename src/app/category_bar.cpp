#include "app/category_bar.h"

#include <wx/sizer.h>

#include "store/category_table.h"
#include "store/encryption_choice.h"
#include "ui/art/art.h"
#include "ui/command_ids.h"

namespace quillox {

CategoryBar::CategoryBar(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, "Category:"),
               wxSizerFlags().CenterVertical().Border(wxLEFT | wxRIGHT, 6));

    selector_ = new wxChoice(this, cmd::kCategoryCombo);
    for (const CategoryId id : CategoryDisplayOrder()) {
        selector_->Append(CategoryDisplayName(id));
    }
    selector_->Append(kShowAllName);
    selector_->SetName("Category");
    sizer->Add(selector_, wxSizerFlags().CenterVertical().Border(wxTOP | wxBOTTOM, 3));

    lockText_ = new wxStaticText(this, cmd::kLockText, "Unlocked");
    lockIcon_ =
        new wxStaticBitmap(this, cmd::kLockIcon, ArtBundle(ArtId::LockOpen, wxSize(16, 16)));
    lockIcon_->SetToolTip("Encrypt Status of File");
    sizer->Add(lockText_, wxSizerFlags().CenterVertical().Border(wxLEFT, 24));
    sizer->Add(lockIcon_, wxSizerFlags().CenterVertical().Border(wxLEFT | wxRIGHT, 6));
    SetSizerAndFit(sizer);
}

std::string CategoryBar::CurrentCategory() const {
    const int selection = selector_->GetSelection();
    if (selection == wxNOT_FOUND) {
        return std::string();
    }
    // Category names are plain ASCII, so the conversion keeps them exactly.
    return selector_->GetString(static_cast<unsigned>(selection)).ToStdString();
}

bool CategoryBar::SelectByPrefix(const std::string& prefix) {
    const unsigned count = selector_->GetCount();
    for (unsigned step = 0; step < count; ++step) {
        const unsigned item = (1 + step) % count;
        if (selector_->GetString(item).ToStdString().compare(0, prefix.size(), prefix) == 0) {
            selector_->SetSelection(static_cast<int>(item));
            selector_->Refresh();
            selector_->Update();
            return true;
        }
    }
    return false;
}

void CategoryBar::SelectFirst() {
    selector_->SetSelection(0);
}

void CategoryBar::SetLocked(bool locked, EncryptionForm form) {
    const wxString text = LockStatusText(locked, form);
    if (text == lockText_->GetLabel()) {
        return;
    }
    locked_ = locked;
    lockText_->SetLabel(text);
    lockIcon_->SetBitmap(ArtBundle(locked ? ArtId::LockClosed : ArtId::LockOpen, wxSize(16, 16)));
    lockIcon_->Show();
    Layout();
}

void CategoryBar::ClearLocked() {
    locked_ = false;
    lockText_->SetLabel(wxEmptyString);
    lockIcon_->Hide();
    Layout();
}

}  // namespace quillox
