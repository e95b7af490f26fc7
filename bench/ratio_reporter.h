#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace quillox::bench {

// Prints as usual and remembers each run's real time, so that a benchmark can
// end with ratios of times measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean") {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    void PrintRatio(const char* name, const char* measured, const char* reference) {
        if (times_.count(measured) != 0 && times_.count(reference) != 0) {
            std::printf("%-36s %.2f\n", name, times_[measured] / times_[reference]);
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace quillox::bench
