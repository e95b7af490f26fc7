#include "cards/quillox_view.h"

#include <algorithm>
#include <array>

#include "cards/card_list_data_model.h"
#include "cards/cell_text.h"
#include "document/quillox_doc.h"
#include "document/update_hints.h"
#include "prefs/settings.h"
#include "ui/toolkit_tweaks.h"

namespace quillox {

wxIMPLEMENT_DYNAMIC_CLASS(CQuilloxNewView, wxView);

namespace {

const int kColumnWidths[kListColumnCount] = {120, 100, 100, 150, 100, 150};
const char* const kInitialHeadings[kListColumnCount] = {"Name", "User ID",       "Password",
                                                        "Note", "Last Modified", "URL"};

// A column is at least as wide as its heading, with room for the button
// around it and the sort arrow.
int ColumnWidthFor(const wxWindow& list, const wxString& heading, int width) {
    return std::max(width, list.GetTextExtent(heading).GetWidth() + list.FromDIP(28));
}

}  // namespace

int CQuilloxNewView::InitialListWidth(const wxWindow& window) {
    int width = 0;
    for (int column = 0; column < kListColumnCount; ++column) {
        width += ColumnWidthFor(window, kInitialHeadings[column], kColumnWidths[column]);
    }
    return width;
}

bool CQuilloxNewView::OnCreate(wxDocument* document, long flags) {
    auto* cardDocument = dynamic_cast<CQuilloxNewDoc*>(document);
    if (cardDocument == nullptr || !wxView::OnCreate(document, flags)) {
        return false;
    }
    host_ = &cardDocument->Host();
    wxWindow* child = host_->CreateDocumentWindow(*document, *this);
    SetFrame(child);

    list_ = new wxDataViewCtrl(child, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                               wxDV_SINGLE | wxDV_HORIZ_RULES);
    list_->SetName("Cards");
    TurnOffTypeAheadSearch(*list_);
    model_ = new CardListDataModel(rows_);
    list_->AssociateModel(model_);
    model_->DecRef();
    for (int column = 0; column < kListColumnCount; ++column) {
        columnWidths_[column] =
            ColumnWidthFor(*list_, kInitialHeadings[column], kColumnWidths[column]);
        list_->AppendTextColumn(kInitialHeadings[column], static_cast<unsigned>(column),
                                wxDATAVIEW_CELL_INERT, columnWidths_[column], wxALIGN_LEFT,
                                wxDATAVIEW_COL_RESIZABLE);
    }
    list_->Bind(wxEVT_DATAVIEW_COLUMN_HEADER_CLICK, &CQuilloxNewView::OnHeaderClick, this);
    BindCardCommands();
    BindOutputCommands();
    child->Show();
    Activate(true);
    // The first update: a new document is never updated otherwise, and its
    // window would show the category and count of the one before it.
    OnUpdate(nullptr, nullptr);
    return true;
}

CQuilloxNewDoc* CQuilloxNewView::Document() const {
    return dynamic_cast<CQuilloxNewDoc*>(GetDocument());
}

void CQuilloxNewView::OnUpdate(wxView*, wxObject* hint) {
    if (const auto* category = dynamic_cast<const CategoryHint*>(hint)) {
        Refill(category->Name());
        return;
    }
    if (const auto* changed = dynamic_cast<const CardChangedHint*>(hint)) {
        RedrawCard(changed->Card());
        return;
    }
    // A remembered name that is no longer one of the bar's shows "WWW Sites",
    // as no name does, rather than an empty list under a category it does not name.
    const std::string name = prefs::Read(prefs::kLastSelectedCatg).ToStdString();
    Refill(name == kShowAllName || FindCategoryByName(name) >= 0 ? name : CategoryDisplayName(0));
}

void CQuilloxNewView::Refill(const std::string& name) {
    const CardRecord* selected = CurrentCard();
    const bool known = Document() != nullptr && rows_.Fill(Document()->Cards(), name);
    model_->Reset(static_cast<unsigned>(rows_.Count()));
    shown_ = name;
    if (known) {
        ApplyHeadings(name);
        ShowItemCount(name);
        // The bar names what the list shows; New Card and Delete Card go by it.
        if (host_ != nullptr && host_->CurrentCategory() != name) {
            host_->SelectCategory(name);
        }
    }
    if (selected != nullptr && rows_.RowOf(selected) >= 0) {
        SelectCard(selected);
    }
    if (Document() != nullptr) {
        Document()->RefreshLockStatus();
    }
}

void CQuilloxNewView::ApplyHeadings(const std::string& name) {
    std::array<std::string, kListColumnCount> headings;
    if (!ColumnHeadings(name, headings)) {
        return;
    }
    for (unsigned column = 0; column < list_->GetColumnCount(); ++column) {
        wxDataViewColumn* shown = list_->GetColumn(column);
        const wxString heading(headings[column]);
        shown->SetTitle(heading);
        // A column whose heading needs no other width keeps the one the user gave it.
        const int width = ColumnWidthFor(*list_, heading, kColumnWidths[column]);
        if (width != columnWidths_[column]) {
            shown->SetWidth(width);
            columnWidths_[column] = width;
        }
    }
}

void CQuilloxNewView::ShowItemCount(const std::string& name) {
    const long count = Document() != nullptr ? CardCountFor(Document()->Cards(), name) : -1;
    if (count >= 0 && host_ != nullptr) {
        host_->ShowItemCount(count);
    }
}

// The card's row is drawn again from the card itself; the rows keep their order.
void CQuilloxNewView::RedrawCard(const CardRecord& card) {
    const int row = rows_.RowOf(&card);
    if (row >= 0) {
        model_->RowChanged(static_cast<unsigned>(row));
    }
}

void CQuilloxNewView::OnCategoryChosen(const std::string& name) {
    ShowItemCount(name);
    ApplyHeadings(name);
    if (Document() != nullptr) {
        Document()->UpdateAllViewsFor(name);
    }
}

void CQuilloxNewView::OnHeaderClick(wxDataViewEvent& event) {
    const wxDataViewColumn* column = event.GetDataViewColumn();
    if (column == nullptr) {
        return;
    }
    const CardRecord* selected = CurrentCard();
    rows_.SortByColumn(static_cast<int>(column->GetModelColumn()));
    model_->Reset(static_cast<unsigned>(rows_.Count()));
    if (selected != nullptr) {
        SelectCard(selected);
    }
}

int CQuilloxNewView::SelectionMark() const {
    if (list_ == nullptr || !list_->HasSelection()) {
        return -1;
    }
    return static_cast<int>(model_->GetRow(list_->GetSelection()));
}

const CardRecord* CQuilloxNewView::CurrentCard() const {
    const int row = SelectionMark();
    return row >= 0 ? rows_.At(static_cast<std::size_t>(row)) : nullptr;
}

void CQuilloxNewView::SelectCard(const CardRecord* card) {
    const int row = rows_.RowOf(card);
    if (row < 0) {
        return;
    }
    const wxDataViewItem item = model_->GetItem(static_cast<unsigned>(row));
    list_->Select(item);
    list_->SetCurrentItem(item);
    list_->EnsureVisible(item);
}

// The list control paints itself.
void CQuilloxNewView::OnDraw(wxDC*) {}

bool CQuilloxNewView::OnClose(bool deleteWindow) {
    if (!wxView::OnClose(deleteWindow)) {
        return false;
    }
    Activate(false);
    if (deleteWindow && GetFrame() != nullptr) {
        GetFrame()->Destroy();
        SetFrame(nullptr);
    }
    return true;
}

}  // namespace quillox
