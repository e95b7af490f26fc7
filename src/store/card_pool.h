#pragma once

#include <cstddef>
#include <cstdint>

#include "store/card_record.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUILLOX_POISON_SLOTS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLOX_POISON_SLOTS 1
#endif
#endif

#if defined(QUILLOX_POISON_SLOTS)
#include <sanitizer/asan_interface.h>
#endif

// Internal to the store: the memory cards live in. A file of 100,000 cards
// makes as many cards at once, and the general allocator spends more time on
// them than reading the file takes; the pool hands out slots of large blocks
// instead and keeps freed slots for the next cards. Each thread has its own
// pool; a card may be freed on any thread, since blocks are never given back.
//
// Once every card a pool handed out has come back (a document closed), the
// pool starts again at its first slot: the next file's cards then lie in
// memory in the order they are read, not in the scattered order the last
// ones were freed in, which would cost a cache miss per card.
namespace quillox::detail {

class CardPool {
  public:
    static constexpr std::size_t kSlotSize = (sizeof(CardRecord) + alignof(std::max_align_t) - 1) /
                                             alignof(std::max_align_t) * alignof(std::max_align_t);

    // The pool of the calling thread.
    static CardPool& OfThisThread();

    // Memory for one card. Inline: loading takes a slot for every card.
    void* Take() {
        if (free_ != nullptr) {
            return TakeFreed();
        }
        if (next_ == end_) {
            NextBlock();
        }
        void* slot = next_;
        next_ += kSlotSize;
        ++handedOut_;
        // Poisoned when it was freed before the pool started again.
        Unpoison(slot);
        return slot;
    }
    void Give(void* slot) noexcept;

    // Freed slots are poisoned for AddressSanitizer, so that a card used
    // after it was freed is still caught in the sanitizer build.
    static void Poison(void* slot) {
#if defined(QUILLOX_POISON_SLOTS)
        ASAN_POISON_MEMORY_REGION(slot, kSlotSize);
#else
        static_cast<void>(slot);
#endif
    }
    static void Unpoison(void* slot) {
#if defined(QUILLOX_POISON_SLOTS)
        ASAN_UNPOISON_MEMORY_REGION(slot, kSlotSize);
#else
        static_cast<void>(slot);
#endif
    }

  private:
    struct FreeSlot {
        FreeSlot* next;
    };
    struct BlockHeader;

    void* TakeFreed();
    void NextBlock();
    void Rewind();

    // Pools are told apart by a number never used twice, not by their
    // address, which a later thread's pool may reuse. Drawn with the first
    // block, so that the pool is made without code and reaching it costs
    // no check.
    std::uint64_t id_ = 0;
    FreeSlot* free_ = nullptr;
    BlockHeader* first_ = nullptr;
    BlockHeader* current_ = nullptr;
    unsigned char* next_ = nullptr;
    unsigned char* end_ = nullptr;
    // Slots of this pool in use: a slot freed on another thread stays
    // counted, so that the pool never starts again over it.
    std::size_t handedOut_ = 0;
};

}  // namespace quillox::detail
