#include <new>

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

// Memory for cards. A file of 100,000 cards makes as many cards at once, and
// the general allocator spends more time on them than reading the file takes;
// the pool hands out slots of large blocks instead and keeps freed slots for
// the next cards. Each thread has its own pool; a card may be freed on any
// thread, since blocks are never given back.
namespace quillox::detail {

namespace {

constexpr std::size_t kSlotSize = (sizeof(CardRecord) + alignof(std::max_align_t) - 1) /
                                  alignof(std::max_align_t) * alignof(std::max_align_t);
constexpr std::size_t kSlotsPerBlock = 4096;

struct FreeSlot {
    FreeSlot* next;
};

// Freed slots are poisoned for AddressSanitizer, so that a card used after
// it was freed is still caught in the sanitizer build.
void Poison(void* slot) {
#if defined(QUILLOX_POISON_SLOTS)
    ASAN_POISON_MEMORY_REGION(slot, kSlotSize);
#else
    static_cast<void>(slot);
#endif
}

void Unpoison(void* slot) {
#if defined(QUILLOX_POISON_SLOTS)
    ASAN_UNPOISON_MEMORY_REGION(slot, kSlotSize);
#else
    static_cast<void>(slot);
#endif
}

class CardPool {
  public:
    void* Take() {
        if (free_ != nullptr) {
            FreeSlot* slot = free_;
            Unpoison(slot);
            free_ = slot->next;
            return slot;
        }
        if (next_ == end_) {
            // Blocks stay for the life of the process: slots of this block
            // may be freed onto another thread's pool.
            next_ = static_cast<unsigned char*>(::operator new(kSlotSize* kSlotsPerBlock));
            end_ = next_ + kSlotSize * kSlotsPerBlock;
        }
        void* slot = next_;
        next_ += kSlotSize;
        return slot;
    }

    void Give(void* slot) {
        auto* freed = static_cast<FreeSlot*>(slot);
        freed->next = free_;
        free_ = freed;
        Poison(slot);
    }

  private:
    FreeSlot* free_ = nullptr;
    unsigned char* next_ = nullptr;
    unsigned char* end_ = nullptr;
};

thread_local CardPool cardPool;

}  // namespace

}  // namespace quillox::detail

namespace quillox {

void* CardRecord::operator new(std::size_t) {
    // The class is final: every request is for one CardRecord.
    return detail::cardPool.Take();
}

void CardRecord::operator delete(void* card) noexcept {
    if (card != nullptr) {
        detail::cardPool.Give(card);
    }
}

}  // namespace quillox
