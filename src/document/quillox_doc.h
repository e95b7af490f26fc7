#pragma once

#include <wx/dialog.h>
#include <wx/docview.h>
#include <wx/weakref.h>
#include <memory>
#include <string>
#include <string_view>

#include "document/card_content.h"
#include "document/document_host.h"
#include "store/card_collection.h"
#include "store/card_file.h"

namespace quillox {

// One open data file: owns every card, the encryption state and the header
// value carried from file to file. Views, dialogs, exports and printing read
// the cards through Cards() and change them only through the operations
// below, each of which marks the document modified and tells every view what
// changed.
class CQuilloxNewDoc : public wxDocument {
  public:
    explicit CQuilloxNewDoc(DocumentHost& host);

    // The main window that shows this document.
    DocumentHost& Host() const { return host_; }
    const CardCollection& Cards() const { return *cards_; }

    // Card changes. Those given a card return false, changing nothing, when
    // this document does not hold it.

    // Appends card to category 0 to 14; any other number changes nothing and
    // returns false. The views show that category.
    bool AddCard(int categoryId, std::unique_ptr<CardRecord> card);
    // Appends card to the deleted cards; the views show the category shown.
    void AddToDeleted(std::unique_ptr<CardRecord> card);
    // Takes the editor's form into card; the views draw the card again in place.
    bool ApplyCardForm(const CardRecord& card, const CardContent& form);
    // Moves card from the named category (the one shown) to the deleted cards.
    bool DeleteCard(const CardRecord& card, const std::string& categoryName);
    // Moves card to category targetId; the views show that category.
    bool MoveCard(const CardRecord& card, int targetId);
    // Puts a copied card into the named category; under "Show All" the card
    // is discarded, and the document counts as changed all the same.
    void PasteCard(std::unique_ptr<CardRecord> card, const std::string& categoryName);
    // Gives card a generated password, stamped now; the views show the
    // category shown.
    bool SetGeneratedPassword(const CardRecord& card, std::string_view password);

    std::uint64_t TotalStoredSize() const { return cards_->TotalStoredSize(); }
    bool HasCards() const { return TotalStoredSize() > 0; }

    bool IsEncrypted() const { return cards_->GetEncryptOnSave(); }
    bool IsLocked() const;
    // Shows this document's lock status in the category bar.
    void RefreshLockStatus() const;

    // Asks every view to show the named category.
    void UpdateAllViewsFor(const std::string& categoryName);

    // The Find dialog searching this document, if one is open; it goes when
    // the document closes.
    wxDialog* FindDialog() const { return findDialog_.get(); }
    void SetFindDialog(wxDialog* dialog) { findDialog_ = dialog; }

    // Reads a file into this document, adding its cards to those present;
    // title and path stay as they are. The document is marked modified first
    // (a failed read leaves it so) and unmodified after a successful read.
    bool LoadInto(const wxString& path);
    // Whether the document was read from or belongs to a file (a new one
    // carries its title as file name until then).
    bool HasFile() const;
    // Saves without any dialog (for the auto-save timer); false on failure.
    bool SaveQuietly();

    // Framework operations.
    bool OnCreate(const wxString& path, long flags) override;
    bool OnOpenDocument(const wxString& file) override;
    bool OnNewDocument() override;
    bool OnCloseDocument() override;
    bool Save() override;
    bool SaveAs() override;
    bool OnSaveModified() override;

  protected:
    bool DoOpenDocument(const wxString& file) override;
    bool DoSaveDocument(const wxString& file) override;

  private:
    // Every card change ends here: the document is modified and its views
    // are updated with hint.
    void Changed(wxObject& hint);
    void ArmAutoSaveIfOn();
    bool WriteTo(const wxString& path, bool quiet);
    // Cards the compatible form cannot hold: asks to switch this file to the
    // strong form; true when the user agreed and the form is switched.
    bool OfferStrongForm();
    void OnFileOpen(wxCommandEvent& event);
    void OnFileSave(wxCommandEvent& event);
    void OnFileSaveAs(wxCommandEvent& event);
    void OnEncryptOnSave(wxCommandEvent& event);
    void OnUpdateNeedsCards(wxUpdateUIEvent& event);

    DocumentHost& host_;
    // How the window of a document read from a file is made, once it reads.
    long viewFlags_ = 0;
    std::unique_ptr<CardCollection> cards_ = std::make_unique<CardCollection>();
    wxWeakRef<wxDialog> findDialog_;

    wxDECLARE_CLASS(CQuilloxNewDoc);
    wxDECLARE_EVENT_TABLE();
};

}  // namespace quillox
