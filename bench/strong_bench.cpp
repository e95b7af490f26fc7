// The strong encrypted form against the plain and the compatible forms:
// opening 100,000 cards, the key derivation on its own, and what one password
// guess costs an attacker against each encrypted form. The ratios printed at
// the end compare times from this run.
#include <benchmark/benchmark.h>
#include <sodium.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "ratio_reporter.h"
#include "store/blowfish.h"
#include "store/card_file.h"
#include "store/sha1.h"
#include "store/strong_form.h"
#include "store/typical_cards.h"

namespace {

using Bytes = std::vector<unsigned char>;
constexpr int kCardCount = 100000;
constexpr const char* kPassword = "a typical pass phrase";
constexpr const char* kGuess = "a typical pass phrasf";
// Cheap enough that opening at this cost is the work beyond the derivation.
constexpr quillox::KdfCost kLeastCost{1, 8192};

Bytes Saved(bool encrypt, quillox::EncryptionForm form, const quillox::KdfCost& cost, int cards) {
    quillox::CardCollection collection;
    quillox::testing::AddTypicalCards(collection, cards);
    collection.SetEncryptOnSave(encrypt);
    collection.SetEncryptionForm(form);
    collection.SetFilePassword(quillox::SecretString(std::string(kPassword)));
    collection.SetKdfCost(cost);
    Bytes image;
    if (!quillox::SaveCardFile(collection, image, nullptr)) {
        std::abort();
    }
    return image;
}

namespace fs = std::filesystem;

fs::path Folder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / ("quillox-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// Opening is reading the file: the strong reader deciphers the cards where
// the file was read to, the plain reader uses them there.
std::string Written(const std::string& name, const Bytes& image) {
    const fs::path path = Folder() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    return path.string();
}

void Open(benchmark::State& state, const std::string& path) {
    quillox::LoadContext context;
    context.askPassword = [](const std::string&) {
        return std::optional<quillox::SecretString>(std::string(kPassword));
    };
    for (auto _ : state) {
        quillox::CardCollection collection;
        if (!quillox::LoadCardFileFromPath(path, collection, context).ok) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(collection);
        state.PauseTiming();  // freeing 100,000 cards is not part of opening
        { quillox::CardCollection discard = std::move(collection); }
        state.ResumeTiming();
    }
    state.counters["cards"] = kCardCount;
}

void BM_OpenPlain(benchmark::State& state) {
    static const std::string path =
        Written("plain.qxf", Saved(false, quillox::EncryptionForm::Strong, kLeastCost, kCardCount));
    Open(state, path);
}

void BM_OpenStrongBeyondKdf(benchmark::State& state) {
    static const std::string path =
        Written("least.qxe", Saved(true, quillox::EncryptionForm::Strong, kLeastCost, kCardCount));
    Open(state, path);
}

void BM_OpenStrongDefaultCost(benchmark::State& state) {
    static const std::string path =
        Written("default.qxe",
                Saved(true, quillox::EncryptionForm::Strong, quillox::kDefaultKdfCost, kCardCount));
    Open(state, path);
}

void BM_DeriveKeyDefaultCost(benchmark::State& state) {
    if (sodium_init() < 0) {
        state.SkipWithError("libsodium did not start");
    }
    unsigned char key[32];
    unsigned char salt[crypto_pwhash_SALTBYTES] = {1, 2, 3};
    for (auto _ : state) {
        if (crypto_pwhash(key, sizeof key, kPassword, std::strlen(kPassword), salt,
                          quillox::kDefaultKdfCost.operations, quillox::kDefaultKdfCost.memoryBytes,
                          crypto_pwhash_ALG_ARGON2ID13) != 0) {
            state.SkipWithError("no memory for Argon2id");
        }
        benchmark::DoNotOptimize(key);
    }
}

// One guess against a compatible file: the key schedule, the blocks that hold
// the digest, and the digest of the guess to compare.
void BM_GuessCompatible(benchmark::State& state) {
    const Bytes image = Saved(true, quillox::EncryptionForm::Compatible, kLeastCost, 100);
    const std::size_t length = std::strlen(kGuess);
    for (auto _ : state) {
        unsigned char head[24];
        std::memcpy(head, image.data() + quillox::kFileHeaderSize, sizeof head);
        const quillox::BlowfishCipher cipher(reinterpret_cast<const unsigned char*>(kGuess), length,
                                             quillox::StartTables::Standard);
        cipher.DecryptBlocks(head, 3);
        const quillox::Sha1Value digest = quillox::Sha1Digest::Of(kGuess, length);
        benchmark::DoNotOptimize(std::memcmp(head, digest.data(), digest.size()));
    }
}

// One guess against a strong file of the default cost: the derivation and an
// attempt to open the seal.
void BM_GuessStrong(benchmark::State& state) {
    const Bytes image = Saved(true, quillox::EncryptionForm::Strong, quillox::kDefaultKdfCost, 100);
    const auto envelope =
        quillox::ReadStrongEnvelope(image.data(), image.size(), quillox::kKdfCeiling);
    const quillox::SecretString guess{std::string(kGuess)};
    Bytes scratch = image;
    for (auto _ : state) {
        if (quillox::OpenStrong(scratch.data(), scratch.size(), *envelope, guess) !=
            quillox::OpenOutcome::Refused) {
            state.SkipWithError("a wrong guess was not refused");
        }
    }
}

BENCHMARK(BM_OpenPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStrongBeyondKdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStrongDefaultCost)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DeriveKeyDefaultCost)->Unit(benchmark::kMillisecond)->Iterations(5);
// Both guesses in one unit: the reporter divides the times as printed.
BENCHMARK(BM_GuessCompatible)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GuessStrong)->Unit(benchmark::kMicrosecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quillox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nTime ratios:\n");
    reporter.PrintRatio("Strong open beyond KDF / plain (goal: at most 1.5)",
                        "BM_OpenStrongBeyondKdf", "BM_OpenPlain");
    reporter.PrintRatio("Strong guess / compatible guess (goal: at least 5000)", "BM_GuessStrong",
                        "BM_GuessCompatible");
    benchmark::Shutdown();
    fs::remove_all(Folder());
    return 0;
}
