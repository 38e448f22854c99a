// The show text against JSON: for generated shows of 10,000 and 100,000 sequence entries, the core
// reading (ShowFromText) and writing (ShowToText) the show text, and RapidJSON parsing the show's
// JSON dump into a Document and writing that Document back with a Writer, all in one process.
// After the runs a table gives the throughputs in MB/s (of show text for the core, of JSON for
// RapidJSON) and the core's speed as a ratio to RapidJSON's, per megabyte and per show, reading
// and writing. On a busy machine run it with --benchmark_repetitions=5
// --benchmark_enable_random_interleaving=true, so that both sides see the same load. The JSON is
// read both as bwshowtool dumps it (indented) and compact, as the Writer writes it.

#include "KeepingReporter.h"
#include "LargeShow.h"
#include "showfile/ShowFunctions.h"
#include "tooling/ShowJson.h"

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cstdio>
#include <map>
#include <string>

using namespace bw;

namespace {

struct Texts {
    std::string show;        // the show text
    std::string json;        // the JSON dump as the tool writes it
    std::string compactJson; // the same JSON as RapidJSON's Writer writes it
};

const Texts& TextsOf(int entries) {
    static std::map<int, Texts> texts;
    auto [it, inserted] = texts.try_emplace(entries);
    if (inserted) {
        // Read back from its text, as in the show text benchmark, so that the show is laid out
        // in memory as a show that was opened.
        const ShowPtr show =
            ShowFunctions::ShowFromText(ShowFunctions::ShowToText(*bench::LargeShow(1, entries)));
        it->second.show = ShowFunctions::ShowToText(*show);
        it->second.json = ShowJson::ShowToJsonText(*show);
        rapidjson::Document document;
        document.Parse(it->second.json.data(), it->second.json.size());
        rapidjson::StringBuffer buffer;
        rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
        document.Accept(writer);
        it->second.compactJson.assign(buffer.GetString(), buffer.GetSize());
    }
    return it->second;
}

int Entries(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void BM_ShowFromText(benchmark::State& state) {
    const std::string& text = TextsOf(Entries(state)).show;
    for (auto _ : state) {
        ShowPtr show = ShowFunctions::ShowFromText(text);
        benchmark::DoNotOptimize(show);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_ShowToText(benchmark::State& state) {
    const ShowPtr show = ShowFunctions::ShowFromText(TextsOf(Entries(state)).show);
    size_t bytes = 0;
    for (auto _ : state) {
        std::string text = ShowFunctions::ShowToText(*show);
        bytes += text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

void ParseJson(benchmark::State& state, const std::string& json) {
    for (auto _ : state) {
        rapidjson::Document document;
        document.Parse(json.data(), json.size());
        if (document.HasParseError())
            state.SkipWithError("the JSON dump does not parse");
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * json.size()));
}

void BM_RapidJsonParse(benchmark::State& state) {
    ParseJson(state, TextsOf(Entries(state)).json);
}

void BM_RapidJsonParseCompact(benchmark::State& state) {
    ParseJson(state, TextsOf(Entries(state)).compactJson);
}

void BM_RapidJsonWrite(benchmark::State& state) {
    const std::string& json = TextsOf(Entries(state)).json;
    rapidjson::Document document;
    document.Parse(json.data(), json.size());
    size_t bytes = 0;
    for (auto _ : state) {
        rapidjson::StringBuffer buffer;
        rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
        document.Accept(writer);
        bytes += buffer.GetSize();
        benchmark::DoNotOptimize(buffer.GetString());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

// Our speed as a ratio to RapidJSON's, per megabyte (throughput) and per show (time per read of
// the same show content), reading and writing.
void PrintRatios(const bw::bench::KeepingReporter& reporter) {
    auto row = [&](int entries, const char* what, const std::string& ours,
                   const std::string& theirs) {
        const auto our = reporter.Find(ours + "/" + std::to_string(entries));
        const auto their = reporter.Find(theirs + "/" + std::to_string(entries));
        if (!our || !their || their->megabytesPerSecond <= 0 || our->cpu <= 0)
            return;
        std::printf("%-8d %-6s %12.1f %16.1f %9.2f %9.2f\n", entries, what, our->megabytesPerSecond,
                    their->megabytesPerSecond, our->megabytesPerSecond / their->megabytesPerSecond,
                    their->cpu / our->cpu);
    };
    std::printf("\n%-8s %-6s %12s %16s %9s %9s\n", "entries", "", "show MB/s", "RapidJSON MB/s",
                "per MB", "per show");
    for (int entries : {10000, 100000}) {
        row(entries, "read", "BM_ShowFromText", "BM_RapidJsonParse");
        row(entries, "read*", "BM_ShowFromText", "BM_RapidJsonParseCompact");
        row(entries, "write", "BM_ShowToText", "BM_RapidJsonWrite");
    }
    std::printf("read: the JSON as bwshowtool dumps it; read*: the same JSON compact. Per show: "
                "RapidJSON's CPU time over ours.\n");
    for (int entries : {10000, 100000}) {
        const Texts& texts = TextsOf(entries);
        std::printf("%d entries: show text %.2f MB, JSON %.2f MB, compact JSON %.2f MB\n", entries,
                    texts.show.size() / 1e6, texts.json.size() / 1e6,
                    texts.compactJson.size() / 1e6);
    }
}

} // namespace

BENCHMARK(BM_ShowFromText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapidJsonParse)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapidJsonParseCompact)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowToText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapidJsonWrite)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    bw::bench::KeepingReporter reporter;
    if (!bw::bench::RunBenchmarks(argc, argv, reporter))
        return 1;
    PrintRatios(reporter);
    return 0;
}
