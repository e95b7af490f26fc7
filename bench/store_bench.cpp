// Loading and saving a 100,000-card plain file against reading and writing the
// same bytes raw. The ratios printed at the end compare times from this run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ratio_reporter.h"
#include "store/card_file.h"
#include "store/typical_cards.h"

namespace {

namespace fs = std::filesystem;
constexpr int kCardCount = 100000;

fs::path Folder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / ("quillox-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

const fs::path& SampleFile() {
    static const fs::path path = [] {
        quillox::CardCollection collection;
        quillox::testing::AddTypicalCards(collection, kCardCount);
        const fs::path file = Folder() / "sample.qxf";
        if (!quillox::SaveCardFileToPath(collection, file.string(), nullptr)) {
            std::abort();
        }
        return file;
    }();
    return path;
}

std::vector<unsigned char> ReadRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void BM_ReadRaw(benchmark::State& state) {
    const fs::path& path = SampleFile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadRaw(path));
    }
}

void BM_Load(benchmark::State& state) {
    const fs::path& path = SampleFile();
    quillox::LoadContext context;
    for (auto _ : state) {
        quillox::CardCollection collection;
        if (!quillox::LoadCardFileFromPath(path.string(), collection, context).ok) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(collection);
        state.PauseTiming();  // freeing 100,000 cards is not part of loading
        { quillox::CardCollection discard = std::move(collection); }
        state.ResumeTiming();
    }
}

// The raw writer is as durable as the safe save: written, flushed to the disk.
void WriteRaw(const fs::path& path, const std::vector<unsigned char>& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0) {
        std::abort();
    }
    ::close(fd);
}

void BM_WriteRaw(benchmark::State& state) {
    const std::vector<unsigned char> bytes = ReadRaw(SampleFile());
    const fs::path target = Folder() / "raw.qxf";
    for (auto _ : state) {
        WriteRaw(target, bytes);
    }
}

void BM_Save(benchmark::State& state) {
    quillox::CardCollection collection;
    quillox::testing::AddTypicalCards(collection, kCardCount);
    const std::string target = (Folder() / "saved.qxf").string();
    for (auto _ : state) {
        if (!quillox::SaveCardFileToPath(collection, target, nullptr)) {
            state.SkipWithError("save failed");
        }
    }
}

BENCHMARK(BM_ReadRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quillox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nTime ratios (goal: at most 3):\n");
    reporter.PrintRatio("Load / read raw", "BM_Load", "BM_ReadRaw");
    reporter.PrintRatio("Save / write raw", "BM_Save", "BM_WriteRaw");
    benchmark::Shutdown();
    fs::remove_all(Folder());
    return 0;
}
