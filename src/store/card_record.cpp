#include "store/card_record.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

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

namespace {

// Zero bytes in a block: loading counts every card's block, so this works on
// sixteen bytes at a time where the processor has SSE2, else on eight.
std::size_t CountZeroBytes(const char* block, std::size_t size) {
    std::size_t count = 0;
    std::size_t i = 0;
#if defined(__SSE2__) || defined(_M_X64)
    // Each lane of the sum counts the zero bytes in its column, without a
    // branch per zero; a lane holds at most 255, so sums are taken in runs.
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= size) {
        __m128i lanes = zero;
        const std::size_t runEnd = std::min(size & ~std::size_t{15}, i + 16 * 255);
        for (; i < runEnd; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, zero));
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, block + i, 8);
        // A byte's high bit ends up clear exactly when the byte is zero.
        const std::uint64_t nonZero = ((word & kLow7) + kLow7) | word;
        // One bit per zero byte, at the bottom of each byte; the multiply adds them up.
        const std::uint64_t zeros = (~nonZero & ~kLow7) >> 7;
        count += static_cast<std::size_t>((zeros * 0x0101010101010101ULL) >> 56);
    }
    for (; i < size; ++i) {
        count += block[i] == '\0' ? 1 : 0;
    }
    return count;
}

}  // namespace

void CardRecord::SetTextBlock(const SharedTextStorage& image, const char* block, std::size_t size) {
    if (size > 0 && block[size - 1] == '\0' && CountZeroBytes(block, size) == kTextCount) {
        storage_ = image;
        block_ = block;
        blockSize_ = static_cast<std::uint32_t>(size);
        return;
    }
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
