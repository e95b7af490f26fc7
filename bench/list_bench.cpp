// Refilling a "Show All" list of 100,000 cards against sorting the same
// 100,000 names as strings with the same comparison. The ratios printed at the
// end compare times from this run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "cards/card_list_rows.h"
#include "cards/cell_text.h"
#include "ratio_reporter.h"
#include "sample_cards.h"

namespace {

constexpr int kCardCount = 100000;

// Names in no particular order and in mixed case, spread over all categories,
// with the other texts a card usually has. Each card gets texts of its own, as
// cards typed in one by one do.
quillox::CardCollection MakeCards() {
    std::vector<int> numbers(kCardCount);
    std::iota(numbers.begin(), numbers.end(), 0);
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(20240601u));
    quillox::CardCollection collection;
    for (int i = 0; i < kCardCount; ++i) {
        const std::string n = std::to_string(numbers[static_cast<std::size_t>(i)]);
        auto card = std::make_unique<quillox::CardRecord>();
        card->SetField1((i % 3 == 0 ? "Example site " : "example Site ") + n);
        card->SetField2("https://www.example" + n + ".com/login");
        card->SetField3("user" + n + "@example.org");
        card->SetField4("Pw!" + n + "xyz");
        card->SetModified(3000000000u + static_cast<unsigned>(i));
        collection.AddCard(i % quillox::kCategoryCount, std::move(card));
    }
    return collection;
}

const quillox::CardCollection& TypedCards() {
    static const quillox::CardCollection collection = MakeCards();
    return collection;
}

// The same cards read from a file, as a document usually is: their texts lie
// in the file image.
const quillox::CardCollection& LoadedCards() {
    static const quillox::CardCollection collection = quillox::bench::ReadBack(MakeCards());
    return collection;
}

// The names in the order a refill collects them.
std::vector<std::string> Names() {
    std::vector<std::string> names;
    names.reserve(kCardCount);
    for (const quillox::CategoryId id : quillox::CategoryDisplayOrder()) {
        for (const auto& card : LoadedCards().Category(id)) {
            names.emplace_back(card->GetField1());
        }
    }
    return names;
}

void BM_SortNames(benchmark::State& state) {
    const std::vector<std::string> unsorted = Names();
    std::vector<std::string> names;
    for (auto _ : state) {
        state.PauseTiming();
        names = unsorted;
        state.ResumeTiming();
        std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
            return quillox::CompareNoCase(a, b) < 0;
        });
        benchmark::DoNotOptimize(names.data());
    }
}

void FillShowAll(benchmark::State& state, const quillox::CardCollection& collection) {
    quillox::CardListRows rows;
    for (auto _ : state) {
        if (!rows.Fill(collection, quillox::kShowAllName)) {
            state.SkipWithError("fill failed");
        }
        benchmark::DoNotOptimize(rows.At(0));
    }
}

void BM_FillShowAll(benchmark::State& state) {
    FillShowAll(state, LoadedCards());
}

void BM_FillShowAllTypedCards(benchmark::State& state) {
    FillShowAll(state, TypedCards());
}

BENCHMARK(BM_SortNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillShowAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillShowAllTypedCards)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quillox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nTime ratios (goal: at most 2 for a loaded file):\n");
    reporter.PrintRatio("Fill Show All / sort names", "BM_FillShowAll", "BM_SortNames");
    reporter.PrintRatio("Same, typed-in cards / sort names", "BM_FillShowAllTypedCards",
                        "BM_SortNames");
    benchmark::Shutdown();
    return 0;
}
