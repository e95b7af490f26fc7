#include "document/card_changes.h"

namespace quillox {

namespace {

// The card's index in category id: its recorded position when that still
// holds it (the list refills after every change), else wherever it is.
int PositionOf(const CardCollection& collection, int id, const CardRecord& card) {
    if (id < 0 || id >= kCategoryCount) {
        return -1;
    }
    const CardCategory& category = collection.Category(id);
    if (category.At(card.GetPositionInCategory()) == &card) {
        return card.GetPositionInCategory();
    }
    for (int position = 0; position < category.Count(); ++position) {
        if (category.At(position) == &card) {
            return position;
        }
    }
    return -1;
}

}  // namespace

CardRecord* FindCard(CardCollection& collection, const CardRecord& card) {
    const int own = card.GetCategoryId();
    if (const int position = PositionOf(collection, own, card); position >= 0) {
        return collection.Category(own).At(position);
    }
    for (int id = 0; id < kCategoryCount; ++id) {
        if (id == own) {
            continue;
        }
        if (const int position = PositionOf(collection, id, card); position >= 0) {
            return collection.Category(id).At(position);
        }
    }
    return nullptr;
}

bool DeleteCard(CardCollection& collection, int categoryId, const CardRecord& card) {
    const int position = PositionOf(collection, categoryId, card);
    if (position < 0) {
        return false;
    }
    std::unique_ptr<CardRecord> removed = collection.RemoveCard(categoryId, position);
    removed->SetDeleted(true);
    collection.AddToDeleted(std::move(removed));
    return true;
}

bool MoveCard(CardCollection& collection, const CardRecord& card, int targetId) {
    const int from = card.GetCategoryId();
    const int position = PositionOf(collection, from, card);
    if (position < 0 || targetId < 0 || targetId >= kCategoryCount) {
        return false;
    }
    std::unique_ptr<CardRecord> moved = collection.RemoveCard(from, position);
    moved->SetCategoryId(static_cast<CategoryId>(targetId));
    collection.AddCard(targetId, std::move(moved));
    return true;
}

std::unique_ptr<CardRecord> MakeCardCopy(const CardRecord& source, MacTime now, int dateFormat) {
    auto copy = std::make_unique<CardRecord>();
    copy->SetField1("Copy of " + std::string(source.GetField1()));
    copy->SetField2(source.GetField2());
    copy->SetField3(source.GetField3());
    copy->SetField4(source.GetField4());
    copy->SetNote(source.GetNote());
    copy->SetCategoryId(source.GetCategoryId());
    copy->SetModified(now);
    copy->SetModifiedTextFormat(dateFormat);
    copy->SetStateFlags(CardRecord::kChangedBit);
    return copy;
}

bool PasteCard(CardCollection& collection, std::unique_ptr<CardRecord> card,
               const std::string& categoryName) {
    const int id = FindCategoryByName(categoryName);
    if (id < 0 || !card) {
        return false;
    }
    card->SetCategoryId(static_cast<CategoryId>(id));
    return collection.AddCard(id, std::move(card));
}

}  // namespace quillox
