#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bw::bench {

// Prints the runs as the console reporter does and keeps each run's figures, so that a benchmark
// program can print its ratios against a baseline measured in the same process.
class KeepingReporter : public benchmark::ConsoleReporter {
public:
    struct Figures {
        double real = 0; // time per iteration in the benchmark's own unit
        double cpu = 0;
        double megabytesPerSecond = 0; // 0 when the benchmark counts no bytes
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const auto bytes = run.counters.find("bytes_per_second");
            figures_[run.benchmark_name()] = {
                run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(),
                bytes == run.counters.end() ? 0.0 : bytes->second.value / 1e6};
        }
    }

    // The median of repeated runs when there is one, else the single run.
    std::optional<Figures> Find(const std::string& name) const {
        for (const std::string& key : {name + "_median", name}) {
            const auto found = figures_.find(key);
            if (found != figures_.end())
                return found->second;
        }
        return std::nullopt;
    }

private:
    std::map<std::string, Figures> figures_;
};

// Runs the benchmarks that the command line selects through `reporter`; false for a command line
// with arguments that Google Benchmark does not know.
inline bool RunBenchmarks(int& argc, char** argv, KeepingReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

} // namespace bw::bench
