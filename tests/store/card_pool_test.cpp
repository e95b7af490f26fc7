#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "store/card_record.h"

namespace quillox {
namespace {

using Cards = std::vector<std::unique_ptr<CardRecord>>;

Cards MakeCards(std::size_t count) {
    Cards cards;
    for (std::size_t i = 0; i < count; ++i) {
        cards.push_back(std::make_unique<CardRecord>());
    }
    return cards;
}

std::vector<const void*> AddressesOf(const Cards& cards) {
    std::vector<const void*> addresses;
    for (const auto& card : cards) {
        addresses.push_back(card.get());
    }
    return addresses;
}

// Each case runs on a thread of its own, so that it starts with an empty pool.
template <typename Body>
void OnFreshThread(Body body) {
    std::thread(body).join();
}

TEST(CardPool, OnceEveryCardIsBackTheNextCardsTakeTheSameMemoryInOrder) {
    OnFreshThread([] {
        // More than a block's worth, freed the way a collection frees them:
        // category by category, not in the order they were made.
        Cards cards = MakeCards(9000);
        const std::vector<const void*> first = AddressesOf(cards);
        for (std::size_t category = 15; category-- > 0;) {
            for (std::size_t i = category; i < cards.size(); i += 15) {
                cards[i].reset();
            }
        }
        EXPECT_EQ(AddressesOf(MakeCards(9000)), first);
    });
}

TEST(CardPool, WhileACardLivesFreedSlotsAreReusedAndTheLiveOneIsNot) {
    OnFreshThread([] {
        Cards cards = MakeCards(3);
        const void* kept = cards[0].get();
        const void* lastFreed = cards[2].get();
        cards[1].reset();
        cards[2].reset();
        const auto next = std::make_unique<CardRecord>();
        EXPECT_EQ(next.get(), lastFreed);
        EXPECT_NE(next.get(), kept);
    });
}

// A card made on one thread and freed on another must not count as one of
// the second thread's: that thread would start over beneath its live cards.
TEST(CardPool, ACardFreedOnAnotherThreadNeverMakesThatThreadStartOver) {
    std::unique_ptr<CardRecord> foreign;
    OnFreshThread([&foreign] { foreign = std::make_unique<CardRecord>(); });
    OnFreshThread([&foreign] {
        const auto live = std::make_unique<CardRecord>();
        foreign.reset();
        const auto next = std::make_unique<CardRecord>();
        EXPECT_NE(next.get(), live.get());
    });
}

}  // namespace
}  // namespace quillox
