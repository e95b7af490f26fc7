// The document's card operations: each changes the cards, marks the document
// modified and tells every view what changed; given a card the document does
// not hold, they change nothing.
#include <gtest/gtest.h>

#include <wx/cmndata.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/quillox_doc.h"
#include "document/update_hints.h"

namespace quillox {
namespace {

constexpr int kBankAccounts = 7;
constexpr int kCreditCards = 8;

// The main window as far as the card operations see it: a category bar.
class BarOnlyHost : public DocumentHost {
  public:
    wxWindow* DialogParent() override { return nullptr; }
    std::string CurrentCategory() const override { return shown; }
    void SelectCategory(const std::string& name) override { shown = name; }
    void SelectCategoryByPrefix(const std::string& prefix) override { shown = prefix; }
    void ShowLockStatus(bool, EncryptionForm) override {}
    void ShowItemCount(long) override {}
    void ArmAutoSaveTimer() override {}
    int GetCardCopiedFlag() const override { return 0; }
    void SetCardCopiedFlag(int) override {}
    bool PrintAtmCodes() const override { return true; }
    bool PrintNotes() const override { return true; }
    // Made only when asked for: page setup data need the running program's
    // paper sizes, which these tests do without.
    wxPageSetupDialogData& PageSetup() override {
        if (!pageSetup) {
            pageSetup.emplace();
        }
        return *pageSetup;
    }
    void ShowCategoryBar(bool) override {}
    wxWindow* CreateDocumentWindow(wxDocument&, wxView&) override { return nullptr; }

    std::string shown = "Credit Cards";
    std::optional<wxPageSetupDialogData> pageSetup;
};

// A view without a window that writes down every update.
class RecordingView : public wxView {
  public:
    void OnDraw(wxDC*) override {}
    void OnUpdate(wxView*, wxObject* hint) override {
        if (const auto* category = dynamic_cast<const CategoryHint*>(hint)) {
            updates.push_back("show " + category->Name());
        } else if (const auto* changed = dynamic_cast<const CardChangedHint*>(hint)) {
            updates.push_back("redraw " + std::string(changed->Card().GetField1()));
        } else {
            updates.push_back("refill");
        }
    }

    std::vector<std::string> updates;
};

using Updates = std::vector<std::string>;

class DocumentOperations : public ::testing::Test {
  protected:
    DocumentOperations() : document_(new CQuilloxNewDoc(host_)), view_(new RecordingView) {
        view_->SetDocument(document_);
    }
    // The document goes with its last view, as in the program.
    ~DocumentOperations() override {
        document_->Modify(false);
        delete view_;
    }

    const CardRecord& Add(int id, const char* name) {
        auto card = std::make_unique<CardRecord>();
        card->SetField1(name);
        card->SetCategoryId(static_cast<CategoryId>(id));
        const CardRecord* held = card.get();
        EXPECT_TRUE(document_->AddCard(id, std::move(card)));
        return *held;
    }

    // The updates since the last look and whether the document was marked
    // modified meanwhile; both start afresh.
    Updates TakeUpdates() { return std::exchange(view_->updates, {}); }
    bool TakeModified() {
        const bool modified = document_->IsModified();
        document_->Modify(false);
        return modified;
    }

    BarOnlyHost host_;
    CQuilloxNewDoc* document_;
    RecordingView* view_;
};

TEST_F(DocumentOperations, AddingAndPastingShowTheCategoryThatTookTheCard) {
    Add(kBankAccounts, "savings");
    EXPECT_EQ(TakeUpdates(), Updates{"show Bank Accounts"});
    EXPECT_TRUE(TakeModified());
    EXPECT_FALSE(document_->AddCard(15, std::make_unique<CardRecord>()));
    EXPECT_TRUE(TakeUpdates().empty());
    EXPECT_FALSE(TakeModified());

    document_->PasteCard(std::make_unique<CardRecord>(), "Credit Cards");
    EXPECT_EQ(document_->Cards().Category(kCreditCards).At(0)->GetCategoryId(), kCreditCards);
    EXPECT_EQ(TakeUpdates(), Updates{"show Credit Cards"});
    EXPECT_TRUE(TakeModified());
    // Under "Show All" no category takes the copy, yet the paste counts as a change.
    document_->PasteCard(std::make_unique<CardRecord>(), kShowAllName);
    EXPECT_EQ(document_->Cards().Category(kCreditCards).Count(), 1);
    EXPECT_EQ(TakeUpdates(), Updates{"show Show All"});
    EXPECT_TRUE(TakeModified());

    document_->AddToDeleted(std::make_unique<CardRecord>());
    EXPECT_EQ(document_->Cards().Deleted().Count(), 1);
    EXPECT_EQ(TakeUpdates(), Updates{"show Credit Cards"});
    EXPECT_TRUE(TakeModified());
}

TEST_F(DocumentOperations, EditsAndGeneratedPasswordsChangeTheHeldCardOnly) {
    const CardRecord& card = Add(kBankAccounts, "savings");
    const CardRecord stranger = card;
    TakeUpdates();
    TakeModified();

    CardContent form;
    form.field1 = "checking";
    form.note = "line";
    form.automaticAccess = true;
    EXPECT_FALSE(document_->ApplyCardForm(stranger, form));
    EXPECT_FALSE(document_->SetGeneratedPassword(stranger, "x"));
    EXPECT_TRUE(TakeUpdates().empty());
    EXPECT_FALSE(TakeModified());

    ASSERT_TRUE(document_->ApplyCardForm(card, form));
    EXPECT_EQ(card.GetField1(), "checking");
    EXPECT_EQ(card.GetNote(), "line");
    EXPECT_TRUE(card.IsAutomaticAccess());
    EXPECT_TRUE(card.IsChanged());
    EXPECT_EQ(TakeUpdates(), Updates{"redraw checking"});
    EXPECT_TRUE(TakeModified());

    ASSERT_TRUE(document_->SetGeneratedPassword(card, "Zq3xT9"));
    EXPECT_EQ(card.GetField4(), "Zq3xT9");
    EXPECT_GT(card.GetModified(), 0u);
    EXPECT_EQ(TakeUpdates(), Updates{"show Credit Cards"});
    EXPECT_TRUE(TakeModified());
    EXPECT_EQ(stranger.GetField1(), "savings");
}

TEST_F(DocumentOperations, DeletingAndMovingTakeTheCardFromItsList) {
    const CardRecord& first = Add(kBankAccounts, "first");
    const CardRecord& second = Add(kBankAccounts, "second");
    TakeUpdates();
    TakeModified();

    // Only from the category shown, which must hold the card.
    EXPECT_FALSE(document_->DeleteCard(first, "Credit Cards"));
    EXPECT_FALSE(document_->DeleteCard(first, kShowAllName));
    EXPECT_FALSE(document_->MoveCard(first, 15));
    EXPECT_TRUE(TakeUpdates().empty());
    EXPECT_FALSE(TakeModified());

    ASSERT_TRUE(document_->DeleteCard(first, "Bank Accounts"));
    EXPECT_TRUE(first.IsDeleted());
    EXPECT_EQ(document_->Cards().Deleted().At(0), &first);
    EXPECT_EQ(TakeUpdates(), Updates{"show Bank Accounts"});
    EXPECT_TRUE(TakeModified());
    EXPECT_FALSE(document_->DeleteCard(first, "Bank Accounts"));

    ASSERT_TRUE(document_->MoveCard(second, kCreditCards));
    EXPECT_EQ(document_->Cards().Category(kBankAccounts).Count(), 0);
    EXPECT_EQ(document_->Cards().Category(kCreditCards).At(0), &second);
    EXPECT_EQ(second.GetCategoryId(), kCreditCards);
    EXPECT_EQ(TakeUpdates(), Updates{"show Credit Cards"});
    EXPECT_TRUE(TakeModified());
}

}  // namespace
}  // namespace quillox
