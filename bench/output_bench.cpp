// The text and XML exports of 100,000 cards against writing the same number
// of bytes raw. The ratios printed at the end compare times from this run.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "output/text_export.h"
#include "output/xml_export.h"
#include "ratio_reporter.h"
#include "sample_cards.h"

namespace {

namespace fs = std::filesystem;
constexpr int kCardCount = 100000;
const quillox::output::PrintPreferences kEverything{true, true};

fs::path Folder() {
    static const fs::path folder = [] {
        fs::path path =
            fs::temp_directory_path() / ("quillox-output-bench-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// The cards of the loading benchmark, read back from a file image as an open
// document holds them: texts in the image, dates rendered on request.
const quillox::CardCollection& Cards() {
    static const quillox::CardCollection collection = [] {
        quillox::CardCollection typed;
        quillox::testing::AddTypicalCards(typed, kCardCount);
        return quillox::bench::ReadBack(std::move(typed));
    }();
    return collection;
}

// As durable as the exports' safe save: written, then flushed to the disk.
void WriteRaw(const fs::path& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0) {
        std::abort();
    }
    ::close(fd);
}

void Export(benchmark::State& state, bool xml) {
    const quillox::CardCollection& cards = Cards();
    const std::string path = (Folder() / (xml ? "cards.xml" : "cards.txt")).string();
    std::string message;
    for (auto _ : state) {
        const bool ok =
            xml ? quillox::output::ExportXml(path, cards, "cards.qxf", kEverything, message)
                : quillox::output::ExportText(path, cards, "cards.qxf", "01/02/25", kEverything,
                                              message);
        if (!ok) {
            state.SkipWithError(message.c_str());
        }
    }
}

void WriteSameBytes(benchmark::State& state, bool xml) {
    const quillox::CardCollection& cards = Cards();
    std::string bytes;
    if (xml) {
        bytes = quillox::output::BuildXmlExport(cards, "cards.qxf", kEverything);
    } else {
        bytes = quillox::output::BuildTextExport(cards, "cards.qxf", "01/02/25", kEverything);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
    const fs::path path = Folder() / (xml ? "raw.xml" : "raw.txt");
    for (auto _ : state) {
        WriteRaw(path, bytes);
    }
}

void BM_TextExport(benchmark::State& state) {
    Export(state, false);
}
void BM_TextWriteRaw(benchmark::State& state) {
    WriteSameBytes(state, false);
}
void BM_XmlExport(benchmark::State& state) {
    Export(state, true);
}
void BM_XmlWriteRaw(benchmark::State& state) {
    WriteSameBytes(state, true);
}

BENCHMARK(BM_TextWriteRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlWriteRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlExport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quillox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nTime ratios (goals: text at most 3, XML at most 10):\n");
    reporter.PrintRatio("Text export / write raw", "BM_TextExport", "BM_TextWriteRaw");
    reporter.PrintRatio("XML export / write raw", "BM_XmlExport", "BM_XmlWriteRaw");
    benchmark::Shutdown();
    fs::remove_all(Folder());
    return 0;
}
