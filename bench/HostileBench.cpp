// Reading texts that are not ordinary shows: a show file of about 100 MB, a list nested 100,000
// levels deep, a line of 10 million commas, random bytes. Each runs at a tenth of its size and at
// full size, so that the time per byte shows whether the cost grows linearly; "peak_per_byte" is
// the most memory allocated at once while reading, per byte of input.

#include "LargeShow.h"
#include "listtext/Error.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <random>

namespace {

std::atomic<size_t> allocated{0};
std::atomic<size_t> peak{0};

void Count(void* block) {
    const size_t now = allocated += malloc_usable_size(block);
    size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
}

} // namespace

// The replaced operators pair malloc with free themselves, which the compiler cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    Count(block);
    return block;
}
void operator delete(void* block) noexcept {
    if (block)
        allocated -= malloc_usable_size(block);
    std::free(block);
}
void operator delete(void* block, size_t) noexcept {
    operator delete(block);
}

using namespace bw;

namespace {

// Reads a text as the editor's Open would, whatever it holds.
void ReadShow(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        peak = allocated.load();
        const size_t before = allocated.load();
        try {
            ShowPtr show = ShowFunctions::ShowFromText(text);
            benchmark::DoNotOptimize(show);
        } catch (const Error&) {
        }
        state.counters["peak_per_byte"] =
            static_cast<double>(peak.load() - before) / static_cast<double>(text.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_ShowFileOf(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "bwshow-hostile-bench.kss").string();
    static int madeFor = 0;
    if (madeFor != state.range(0)) {
        const std::string text =
            ShowFunctions::ShowToText(*bench::LargeShow(3, static_cast<int>(state.range(0))));
        File::WriteWholeFile(path, text);
        madeFor = static_cast<int>(state.range(0));
    }
    size_t bytes = 0;
    for (auto _ : state) {
        peak = allocated.load();
        const size_t before = allocated.load();
        std::string text;
        File::ReadWholeFile(path, text);
        ShowPtr show = ShowFunctions::ShowFromText(text);
        benchmark::DoNotOptimize(show);
        bytes = text.size();
        state.counters["peak_per_byte"] =
            static_cast<double>(peak.load() - before) / static_cast<double>(bytes);
    }
    state.counters["megabytes"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_DeepNesting(benchmark::State& state) {
    const auto depth = static_cast<size_t>(state.range(0));
    ReadShow(state, "(" + std::string(depth, '(') + std::string(depth, ')') + ",x)");
}

void BM_Commas(benchmark::State& state) {
    ReadShow(state, "(" + std::string(static_cast<size_t>(state.range(0)), ',') + ")");
}

void BM_CommasInAPlaylist(benchmark::State& state) {
    const std::string playlist =
        "(1,0,1,0,,(" + std::string(static_cast<size_t>(state.range(0)), ',') + "),T,F,F)";
    ReadShow(state, "(" + playlist + ",(0,1,2,0,,),(1,0,1,0,,),(0,1,2,0,,))");
}

void BM_RandomBytes(benchmark::State& state) {
    std::mt19937 random(11);
    std::string text(static_cast<size_t>(state.range(0)), '\0');
    for (char& ch : text)
        ch = static_cast<char>(random());
    ReadShow(state, text);
}

} // namespace

// About 1,850,000 entries make a show file of about 100 MB.
BENCHMARK(BM_ShowFileOf)->Arg(185000)->Arg(1850000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_DeepNesting)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Commas)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommasInAPlaylist)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomBytes)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
