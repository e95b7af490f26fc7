// quillox-cli show of a 100,000-card plain file, as text and as JSON, into
// output that is thrown away; loading the file is part of both. The ratio
// printed at the end compares times from this run. Goal: at most 2.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <sstream>

#include "cli/cli_run.h"
#include "ratio_reporter.h"
#include "store/card_file.h"
#include "store/typical_cards.h"

namespace {

namespace fs = std::filesystem;

const fs::path& SampleFile() {
    static const fs::path path = [] {
        const fs::path folder =
            fs::temp_directory_path() / ("quillox-cli-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
        quillox::CardCollection collection;
        quillox::testing::AddTypicalCards(collection, 100000);
        const fs::path file = folder / "sample.qxf";
        if (!quillox::SaveCardFileToPath(collection, file.string(), nullptr)) {
            std::abort();
        }
        return file;
    }();
    return path;
}

// Counts what it is given and keeps none of it.
class Discard : public std::streambuf {
  public:
    std::size_t written = 0;

  protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        written += static_cast<std::size_t>(count);
        return count;
    }
    int_type overflow(int_type c) override {
        ++written;
        return traits_type::not_eof(c);
    }
};

class NoTerminal : public quillox::cli::PasswordSource {
  public:
    std::optional<quillox::SecretString> Read(const std::string&) override { return std::nullopt; }
    bool Interactive() const override { return false; }
};

void Show(benchmark::State& state, std::vector<std::string> args) {
    args.insert(args.begin() + 1, SampleFile().string());
    for (auto _ : state) {
        Discard sink;
        std::ostream out(&sink);
        std::istringstream in;
        std::ostringstream err;
        NoTerminal terminal;
        if (quillox::cli::RunCli(args, in, out, err, terminal) != 0) {
            state.SkipWithError("show failed");
        }
        state.counters["bytes"] = static_cast<double>(sink.written);
    }
}

void BM_ShowText(benchmark::State& state) {
    Show(state, {"show"});
}

void BM_ShowJson(benchmark::State& state) {
    Show(state, {"show", "--json"});
}

BENCHMARK(BM_ShowText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowJson)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    quillox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nTime ratio (goal: at most 2):\n");
    reporter.PrintRatio("show --json / show", "BM_ShowJson", "BM_ShowText");
    benchmark::Shutdown();
    fs::remove_all(SampleFile().parent_path());
    return 0;
}
