#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "store/category_table.h"
#include "store/mac_time.h"
#include "store/text_storage.h"
#include "store/zero_bytes.h"

namespace quillox {

// One card. Texts are Windows-1252 byte strings, as the data files hold them.
class CardRecord final {
  public:
    // Cards are made by the hundred thousand when a file is loaded: they take
    // their memory from a pool of their own (card_pool.cpp).
    static void* operator new(std::size_t size);
    static void operator delete(void* card) noexcept;

    static constexpr std::uint8_t kNewBrowserWindowBit = 0x01;
    static constexpr std::uint8_t kAutomaticAccessBit = 0x02;
    static constexpr std::uint8_t kDeletedBit = 0x02;
    static constexpr std::uint8_t kChangedBit = 0x04;

    // User-provided, so that make_unique does not zero the object before the
    // member initialisers run: loading creates cards by the hundred thousand.
    CardRecord() {}
    // The numbers a data file stores in a card's header.
    struct StoredNumbers {
        CategoryId categoryId;
        std::uint8_t attributeFlags;
        std::uint8_t stateFlags;
        MacTime modified;
        std::uint32_t recordTag;
    };
    // A card as a data file stores it: its header's numbers, its text block as
    // SetTextBlock takes it, and its modification text in the given date
    // format. Inline: loading makes every card through it.
    CardRecord(const StoredNumbers& numbers, int dateFormat, const SharedTextStorage& image,
               const char* block, std::size_t size)
        : modifiedTextFormat_(DateFormatIndex(dateFormat)),
          categoryId_(numbers.categoryId),
          attributeFlags_(numbers.attributeFlags),
          stateFlags_(numbers.stateFlags),
          modified_(numbers.modified),
          recordTag_(numbers.recordTag) {
        SetTextBlock(image, block, size);
    }
    // Copies share the text storage, which never changes, and duplicate the rest.
    CardRecord(const CardRecord& other);
    CardRecord& operator=(const CardRecord& other);
    CardRecord(CardRecord&&) = default;
    CardRecord& operator=(CardRecord&&) = default;
    ~CardRecord() = default;

    static constexpr int kTextCount = 5;
    enum Text { kField1, kField2, kField3, kField4, kNote };

    std::string_view GetText(Text which) const;
    std::string_view GetField1() const { return GetText(kField1); }
    std::string_view GetField2() const { return GetText(kField2); }
    std::string_view GetField3() const { return GetText(kField3); }
    std::string_view GetField4() const { return GetText(kField4); }
    std::string_view GetNote() const { return GetText(kNote); }
    std::string_view GetCategoryText() const;
    CategoryId GetCategoryId() const { return categoryId_; }
    std::uint8_t GetAttributeFlags() const { return attributeFlags_; }
    std::uint8_t GetStateFlags() const { return stateFlags_; }
    MacTime GetModified() const { return modified_; }
    std::uint32_t GetRecordTag() const { return recordTag_; }
    std::int32_t GetPositionInCategory() const { return positionInCategory_; }

    void SetText(Text which, std::string_view text);
    void SetField1(std::string_view text) { SetText(kField1, text); }
    void SetField2(std::string_view text) { SetText(kField2, text); }
    void SetField3(std::string_view text) { SetText(kField3, text); }
    void SetField4(std::string_view text) { SetText(kField4, text); }
    void SetNote(std::string_view text) { SetText(kNote, text); }
    void SetCategoryText(std::string_view text);
    void SetCategoryId(CategoryId id) { categoryId_ = id; }
    void SetAttributeFlags(std::uint8_t flags) { attributeFlags_ = flags; }
    void SetStateFlags(std::uint8_t flags) { stateFlags_ = flags; }
    void SetModified(MacTime time) { modified_ = time; }
    void SetRecordTag(std::uint32_t tag) { recordTag_ = tag; }
    void SetPositionInCategory(std::int32_t position) { positionInCategory_ = position; }

    bool IsNewBrowserWindow() const { return (attributeFlags_ & kNewBrowserWindowBit) != 0; }
    bool IsAutomaticAccess() const { return (attributeFlags_ & kAutomaticAccessBit) != 0; }
    bool IsDeleted() const { return (stateFlags_ & kDeletedBit) != 0; }
    bool IsChanged() const { return (stateFlags_ & kChangedBit) != 0; }
    void SetNewBrowserWindow(bool on) { SetBit(attributeFlags_, kNewBrowserWindowBit, on); }
    void SetAutomaticAccess(bool on) { SetBit(attributeFlags_, kAutomaticAccessBit, on); }
    void SetDeleted(bool on) { SetBit(stateFlags_, kDeletedBit, on); }
    void SetChanged(bool on) { SetBit(stateFlags_, kChangedBit, on); }

    // The modification time as text. Rendering a date costs a local-time
    // conversion, so a card remembers the date format chosen when its time was
    // set and renders on request; old formats store the text itself instead.
    std::string GetModifiedText() const;
    void SetModifiedTextFormat(int dateFormat) {
        modifiedTextFormat_ = DateFormatIndex(dateFormat);
        if (unsaved_) {
            unsaved_->modifiedText.clear();
        }
    }
    void SetModifiedText(std::string text);

    // Bytes this card takes in a data file: header, five texts and their zero bytes.
    std::uint64_t StoredSize() const { return kStoredHeaderSize + blockSize_; }

    // The five texts as a data file stores them, each followed by a zero byte.
    std::string_view GetTextBlock() const { return std::string_view(block_, blockSize_); }
    // Takes a text block read from a file image: a text ends at its zero byte
    // or at the end of the block, and texts the block lacks are empty. A
    // well-formed block is used in place, sharing the image. The block lies
    // inside the image. Inline: loading sets every card's block.
    void SetTextBlock(const SharedTextStorage& image, const char* block, std::size_t size) {
        if (IsWellFormedBlock(*image, block, size)) {
            storage_ = image;
            block_ = block;
            blockSize_ = static_cast<std::uint32_t>(size);
        } else {
            SetDamagedTextBlock(block, size);
        }
    }

    static constexpr std::uint64_t kStoredHeaderSize = 24;

  private:
    // Out-of-range indexes render as the last format, as FormatCardDate does.
    static std::int8_t DateFormatIndex(int dateFormat) {
        const bool known = dateFormat >= 0 && dateFormat < kDateFormatCount;
        return static_cast<std::int8_t>(known ? dateFormat : kDateFormatCount - 1);
    }
    // Five texts, each ending at its zero byte, and nothing after the fifth.
    static bool IsWellFormedBlock(const TextStorage& image, const char* block, std::size_t size) {
        if (size == 0 || block[size - 1] != '\0') {
            return false;
        }
        const bool afterHeader = size <= kMaxShortRun && block - image.data() >= 16;
        return (afterHeader ? CountZeroBytesAfterHeader(block, size)
                            : CountZeroBytes(block, size)) == kTextCount;
    }
    void SetDamagedTextBlock(const char* block, std::size_t size);
    void Assign(const std::array<std::string_view, kTextCount>& texts);
    static void SetBit(std::uint8_t& flags, std::uint8_t bit, bool on) {
        flags = static_cast<std::uint8_t>(on ? (flags | bit) : (flags & ~bit));
    }

    // Cards are loaded by the hundred thousand: their texts stay in the stored
    // form inside the file image, and a card gets storage of its own only
    // when a text is set. Copies share the storage, which never changes.
    SharedTextStorage storage_;
    const char* block_ = kEmptyBlock;
    std::uint32_t blockSize_ = kTextCount;
    static const char kEmptyBlock[kTextCount];
    // Texts only cards of the old formats or of the card dialog carry; most
    // cards never need them, so they do not take room in every card.
    struct UnsavedTexts {
        std::string categoryText;
        std::string modifiedText;
    };
    UnsavedTexts& Unsaved();
    std::unique_ptr<UnsavedTexts> unsaved_;
    std::int8_t modifiedTextFormat_ = -1;
    CategoryId categoryId_ = 0;
    std::uint8_t attributeFlags_ = 0;
    std::uint8_t stateFlags_ = 0;
    MacTime modified_ = 0;
    std::uint32_t recordTag_ = 0;
    std::int32_t positionInCategory_ = 0;
};

}  // namespace quillox
