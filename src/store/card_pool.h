#pragma once

namespace quillox::detail {

// Memory for cards. A file of 100,000 cards makes as many cards at once, and
// the general allocator spends more time on them than reading the file takes;
// the pool hands out slots of large blocks instead and keeps freed slots for
// the next cards. Each thread has its own pool; a card may be freed on any
// thread, since blocks are never given back.
void* TakeCardSlot();
void GiveCardSlot(void* slot) noexcept;

}  // namespace quillox::detail
