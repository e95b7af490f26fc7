#include "store/card_pool.h"

#include <atomic>
#include <new>

namespace quillox::detail {

namespace {

// Blocks are aligned to their size, so that a slot's block, and the pool that
// owns it, is found from the slot's address. The first slot holds the block's
// header.
constexpr std::size_t kBlockSize = std::size_t{1} << 18;
constexpr std::size_t kSlotsPerBlock = kBlockSize / CardPool::kSlotSize - 1;

std::atomic<std::uint64_t> lastPoolId{0};

thread_local CardPool threadPool;

}  // namespace

struct CardPool::BlockHeader {
    std::uint64_t owner;
    BlockHeader* next;
    // Every block of the process, whichever pool made it: a pool goes with
    // its thread, but its blocks stay, since other threads may hold slots.
    BlockHeader* madeBefore;

    static const BlockHeader& Of(const void* slot) {
        const auto address = reinterpret_cast<std::uintptr_t>(slot);
        return *reinterpret_cast<const BlockHeader*>(address & ~(kBlockSize - 1));
    }
};

CardPool& CardPool::OfThisThread() {
    return threadPool;
}

// Slots freed on this thread, the last freed first. Another thread's slot
// may be among them: it is used again, and counted by nobody here, since its
// owner still counts it as in use.
void* CardPool::TakeFreed() {
    FreeSlot* slot = free_;
    Unpoison(slot);
    free_ = slot->next;
    if (BlockHeader::Of(slot).owner == id_) {
        ++handedOut_;
    }
    return slot;
}

void CardPool::Give(void* slot) noexcept {
    auto* freed = static_cast<FreeSlot*>(slot);
    freed->next = free_;
    free_ = freed;
    Poison(slot);
    if (BlockHeader::Of(slot).owner == id_ && --handedOut_ == 0) {
        Rewind();
    }
}

void CardPool::NextBlock() {
    static_assert(sizeof(BlockHeader) <= kSlotSize, "the header takes the first slot");
    BlockHeader*& block = current_ == nullptr ? first_ : current_->next;
    if (block == nullptr) {
        if (id_ == 0) {
            id_ = ++lastPoolId;
        }
        block = static_cast<BlockHeader*>(::operator new(kBlockSize, std::align_val_t(kBlockSize)));
        block->owner = id_;
        block->next = nullptr;
        static std::atomic<BlockHeader*> lastBlockMade{nullptr};
        block->madeBefore = lastBlockMade.load();
        while (!lastBlockMade.compare_exchange_weak(block->madeBefore, block)) {
        }
    }
    current_ = block;
    next_ = reinterpret_cast<unsigned char*>(block) + kSlotSize;
    end_ = next_ + kSlotSize * kSlotsPerBlock;
}

// Every slot of this pool is free: the free list is forgotten and the slots
// are handed out again from the first. Other threads' slots on the list are
// not used again; their owners count them as in use for good.
void CardPool::Rewind() {
    free_ = nullptr;
    current_ = nullptr;
    next_ = end_ = nullptr;
}

}  // namespace quillox::detail

namespace quillox {

void* CardRecord::operator new(std::size_t) {
    // The class is final: every request is for one CardRecord.
    return detail::CardPool::OfThisThread().Take();
}

void CardRecord::operator delete(void* card) noexcept {
    if (card != nullptr) {
        detail::CardPool::OfThisThread().Give(card);
    }
}

}  // namespace quillox
