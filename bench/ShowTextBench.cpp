// Throughput of the show text in MB/s for shows of 1,000, 10,000 and 100,000 sequence entries.
// The cost must grow linearly: compare the time per iteration of the 100,000 case with ten times
// the 10,000 case (the report prints the ratio as "growth" on the largest case).

#include "LargeShow.h"
#include "showfile/ShowFunctions.h"

#include <benchmark/benchmark.h>

#include <map>

using namespace bw;

namespace {

const std::string& ShowText(int entries) {
    static std::map<int, std::string> texts;
    auto [it, inserted] = texts.try_emplace(entries);
    if (inserted)
        it->second = ShowFunctions::ShowToText(*bench::LargeShow(1, entries));
    return it->second;
}

const ShowPtr& LargeShow(int entries) {
    static std::map<int, ShowPtr> shows;
    auto [it, inserted] = shows.try_emplace(entries);
    if (inserted)
        it->second = ShowFunctions::ShowFromText(ShowText(entries));
    return it->second;
}

void BM_ShowToText(benchmark::State& state) {
    const Show& show = *LargeShow(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = ShowFunctions::ShowToText(show);
        bytes += text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void BM_ShowFromText(benchmark::State& state) {
    const std::string& text = ShowText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ShowPtr show = ShowFunctions::ShowFromText(text);
        benchmark::DoNotOptimize(show);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

} // namespace

BENCHMARK(BM_ShowToText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowFromText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
