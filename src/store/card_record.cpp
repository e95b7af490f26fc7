#include "store/card_record.h"

#include <algorithm>
#include <cstring>

namespace quillox {

const char CardRecord::kEmptyBlock[kTextCount] = {0, 0, 0, 0, 0};

std::string_view CardRecord::GetText(Text which) const {
    const std::string_view block = GetTextBlock();
    std::size_t start = 0;
    for (int i = 0; i < which; ++i) {
        start = block.find('\0', start) + 1;
    }
    return block.substr(start, block.find('\0', start) - start);
}

void CardRecord::SetText(Text which, std::string_view text) {
    // Files end every text at a zero byte, so a text cannot hold one.
    text = text.substr(0, text.find('\0'));
    std::array<std::string_view, kTextCount> texts;
    for (int i = 0; i < kTextCount; ++i) {
        texts[i] = i == which ? text : GetText(static_cast<Text>(i));
    }
    Assign(texts);
}

// Texts of a block that does not hold exactly five texts get storage of
// their own, in the stored form.
void CardRecord::SetDamagedTextBlock(const char* block, std::size_t size) {
    const std::string_view bytes(block, size);
    std::array<std::string_view, kTextCount> texts;
    std::size_t position = 0;
    for (int i = 0; i < kTextCount && position < size; ++i) {
        const std::size_t zero = bytes.find('\0', position);
        const std::size_t stop = zero == std::string_view::npos ? size : zero;
        texts[i] = bytes.substr(position, stop - position);
        position = stop + 1;
    }
    Assign(texts);
}

void CardRecord::Assign(const std::array<std::string_view, kTextCount>& texts) {
    std::size_t size = 0;
    for (const std::string_view text : texts) {
        size += text.size() + 1;
    }
    // texts may point into the storage being replaced: fill the new one first.
    auto storage = std::make_shared<TextStorage>(size);
    char* out = storage->data();
    for (const std::string_view text : texts) {
        if (!text.empty()) {
            std::memcpy(out, text.data(), text.size());
            out += text.size();
        }
        *out++ = '\0';
    }
    storage_ = std::move(storage);
    block_ = storage_->data();
    blockSize_ = static_cast<std::uint32_t>(size);
}

CardRecord::CardRecord(const CardRecord& other)
    : storage_(other.storage_),
      block_(other.block_),
      blockSize_(other.blockSize_),
      unsaved_(other.unsaved_ ? std::make_unique<UnsavedTexts>(*other.unsaved_) : nullptr),
      modifiedTextFormat_(other.modifiedTextFormat_),
      categoryId_(other.categoryId_),
      attributeFlags_(other.attributeFlags_),
      stateFlags_(other.stateFlags_),
      modified_(other.modified_),
      recordTag_(other.recordTag_),
      positionInCategory_(other.positionInCategory_) {}

CardRecord& CardRecord::operator=(const CardRecord& other) {
    if (this != &other) {
        CardRecord copy(other);
        *this = std::move(copy);
    }
    return *this;
}

std::string_view CardRecord::GetCategoryText() const {
    return unsaved_ ? std::string_view(unsaved_->categoryText) : std::string_view();
}

void CardRecord::SetCategoryText(std::string_view text) {
    Unsaved().categoryText = text;
}

CardRecord::UnsavedTexts& CardRecord::Unsaved() {
    if (!unsaved_) {
        unsaved_ = std::make_unique<UnsavedTexts>();
    }
    return *unsaved_;
}

std::string CardRecord::GetModifiedText() const {
    if (modifiedTextFormat_ >= 0) {
        return FormatCardDate(modified_, modifiedTextFormat_);
    }
    return unsaved_ ? unsaved_->modifiedText : std::string();
}

void CardRecord::SetModifiedText(std::string text) {
    Unsaved().modifiedText = std::move(text);
    modifiedTextFormat_ = -1;
}

}  // namespace quillox
