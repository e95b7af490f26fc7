#pragma once

#include <wx/docview.h>
#include <wx/weakref.h>
#include <memory>
#include <string>

#include "store/card_collection.h"
#include "store/card_file.h"

namespace quillox {

class CFindCardDlg;

// The hint of an update: the display name of the category the views show.
class CategoryHint : public wxObject {
  public:
    explicit CategoryHint(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

  private:
    std::string name_;
};

// One open data file: owns every card, the encryption state and the header
// value carried from file to file.
class CQuilloxNewDoc : public wxDocument {
  public:
    CQuilloxNewDoc() = default;

    CardCollection& Cards() { return *cards_; }
    const CardCollection& Cards() const { return *cards_; }

    // Card operations for views and dialogs.
    void AddCard(int categoryId, std::unique_ptr<CardRecord> card);
    std::unique_ptr<CardRecord> RemoveCard(int categoryId, int position);
    void AddToDeleted(std::unique_ptr<CardRecord> card);
    static void MarkDeleted(CardRecord& card) { card.SetDeleted(true); }
    std::uint64_t TotalStoredSize() const { return cards_->TotalStoredSize(); }
    bool HasCards() const { return TotalStoredSize() > 0; }

    bool IsEncrypted() const { return cards_->GetEncryptOnSave(); }
    bool IsLocked() const;
    // Shows this document's lock status in the category bar.
    void RefreshLockStatus() const;

    // Asks every view to show the named category.
    void UpdateAllViewsFor(const std::string& categoryName);

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
    bool OnNewDocument() override;
    bool OnCloseDocument() override;
    bool Save() override;
    bool SaveAs() override;
    bool OnSaveModified() override;

  protected:
    bool DoOpenDocument(const wxString& file) override;
    bool DoSaveDocument(const wxString& file) override;

  private:
    bool WriteTo(const wxString& path, bool quiet);
    void OnFileOpen(wxCommandEvent& event);
    void OnFileSave(wxCommandEvent& event);
    void OnFileSaveAs(wxCommandEvent& event);
    void OnEncryptOnSave(wxCommandEvent& event);
    void OnUpdateNeedsCards(wxUpdateUIEvent& event);
    void OnFind(wxCommandEvent& event);
    void OnUpdateFindTool(wxUpdateUIEvent& event);

    std::unique_ptr<CardCollection> cards_ = std::make_unique<CardCollection>();
    // This document's Find dialog; the reference clears when the dialog goes.
    wxWeakRef<CFindCardDlg> findDialog_;

    wxDECLARE_DYNAMIC_CLASS(CQuilloxNewDoc);
    wxDECLARE_EVENT_TABLE();
};

}  // namespace quillox
