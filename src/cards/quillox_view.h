#pragma once

#include <wx/dataview.h>
#include <wx/docview.h>
#include <array>
#include <memory>
#include <string>

#include "cards/card_list_rows.h"
#include "cards/cell_text.h"

namespace quillox {

class CQuilloxNewDoc;
class CardListDataModel;
class DocumentHost;
struct CardForm;

// The card list of a document window: the cards of the category chosen in
// the category bar (or of all categories), in six sortable columns. It reads
// the cards and leaves every change to its document.
class CQuilloxNewView : public wxView {
  public:
    CQuilloxNewView() = default;

    bool OnCreate(wxDocument* document, long flags) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void OnDraw(wxDC* dc) override;
    bool OnClose(bool deleteWindow) override;

    CQuilloxNewDoc* Document() const;
    // The selected row, or -1.
    int SelectionMark() const;
    // The card of the selected row, or none.
    const CardRecord* CurrentCard() const;
    // Selects the card's row, gives it the focus and scrolls it into view.
    void SelectCard(const CardRecord* card);
    // The category bar's selection changed to name.
    void OnCategoryChosen(const std::string& name);

    // Card editing: a new card in the category shown, the current card, the
    // card of a row, and a new card from a browser's page.
    void NewCard();
    void EditCard();
    void EditCardAtRow(int row);
    void NewCardFromWebPage(const std::string& title, const std::string& url);

    // The card Copy Card keeps for Paste Card, if any.
    const CardRecord* CopiedCard() const { return cardCopyBuffer_.get(); }

    wxDataViewCtrl* ListControl() const { return list_; }
    const CardListRows& Rows() const { return rows_; }
    // The category the last refill showed.
    const std::string& ShownCategory() const { return shown_; }

    // The width of the six columns as a new list shows them, in window's font.
    static int InitialListWidth(const wxWindow& window);

  private:
    void Refill(const std::string& name);
    void ApplyHeadings(const std::string& name);
    void ShowItemCount(const std::string& name);
    void RedrawCard(const CardRecord& card);
    void OnHeaderClick(wxDataViewEvent& event);
    void RunNewCardDialog(const CardForm& form);
    void RunEditDialog(const CardRecord& card);

    // Commands (quillox_view_commands.cpp).
    void BindCardCommands();
    void OnNewCard(wxCommandEvent& event);
    void OnEditCard(wxCommandEvent& event);
    void OnDeleteCard(wxCommandEvent& event);
    void OnChangeCategory(wxCommandEvent& event);
    void OnCopyField(wxCommandEvent& event);
    void OnCopyCard(wxCommandEvent& event);
    void OnPasteCard(wxCommandEvent& event);
    void OnFind(wxCommandEvent& event);
    void OnItemActivated(wxDataViewEvent& event);
    void OnContextMenu(wxDataViewEvent& event);
    void OnUpdateAlways(wxUpdateUIEvent& event);
    void OnUpdateNeedsCard(wxUpdateUIEvent& event);
    void OnUpdateDelete(wxUpdateUIEvent& event);
    void OnUpdatePaste(wxUpdateUIEvent& event);
    void OnUpdateFind(wxUpdateUIEvent& event);

    // Exports and printing (quillox_view_output.cpp).
    void BindOutputCommands();
    void OnExportText(wxCommandEvent& event);
    void OnExportXml(wxCommandEvent& event);
    void OnPrint(wxCommandEvent& event);
    void OnPrintPreview(wxCommandEvent& event);
    void OnUpdatePrint(wxUpdateUIEvent& event);

    // The main window, from the document, once the view is created.
    DocumentHost* host_ = nullptr;
    CardListRows rows_;
    wxDataViewCtrl* list_ = nullptr;
    CardListDataModel* model_ = nullptr;
    std::string shown_;
    // The width each column was last given, for its heading.
    std::array<int, kListColumnCount> columnWidths_{};
    std::unique_ptr<CardRecord> cardCopyBuffer_;

    wxDECLARE_DYNAMIC_CLASS(CQuilloxNewView);
    wxDECLARE_EVENT_TABLE();
};

}  // namespace quillox
