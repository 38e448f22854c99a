// The show check of a 10,000-entry show with half of its files missing, against a bare loop that
// only asks the file system whether each of its paths exists; and the search for moved files in
// a tree of 50,000 files, against a bare walk of that tree. Both pairs run in one process on the
// same files, and the ratios are printed at the end (goal: at most 1.5 each).

#include "KeepingReporter.h"
#include "environment/LibFile.h"
#include "showcheck/Relink.h"
#include "showcheck/ShowCheck.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

using namespace bw;
namespace fs = std::filesystem;

namespace {

constexpr int ShowEntries = 10000;
constexpr int TreeFolders = 50;
constexpr int TreeSubfolders = 10;
constexpr int FilesPerFolder = 100; // 50 * 10 * 100 = 50,000 files

const fs::path& Root() {
    static const fs::path root = fs::temp_directory_path() /
                                 ("bwshow-check-bench-" + std::to_string(std::random_device{}()));
    return root;
}

void Touch(const fs::path& path) {
    std::ofstream(path, std::ios::binary) << 'x';
}

// Entry i names "<folder>/seq/NNNNN.kas"; the file exists for even i. The entries are spread
// over the five playlists and 50 groups of 20 entries as in a real show.
struct CheckFixture {
    Show show;
    std::vector<std::string> paths;

    CheckFixture() {
        const fs::path folder = Root() / "seq";
        fs::create_directories(folder);
        for (int i = 0; i < ShowEntries; ++i) {
            const fs::path path = folder / (std::to_string(100000 + i) + ".kas");
            if (i % 2 == 0)
                Touch(path);
            paths.push_back(path.string());
        }
        const PlaylistPtr playlists[] = {show.Background(), show.Startup(), show.Main(),
                                         show.Musical(), show.Shutdown()};
        constexpr int InGroups = 1000;
        for (int i = 0; i < ShowEntries - InGroups; ++i)
            playlists[i % 5]->List().push_back(paths[static_cast<std::size_t>(i)]);
        for (int g = 0; g < 50; ++g) {
            auto group = std::make_shared<InteractiveGroup>();
            group->SetName("Group " + std::to_string(g));
            for (int e = 0; e < 20; ++e) {
                auto entry = std::make_shared<TriggeredSequences>();
                auto trigger = std::make_shared<Trigger>();
                trigger->SetUnitId(g + 1);
                trigger->SetInputNumber(e + 1);
                entry->SetTrig(trigger);
                entry->AddSequence(
                    paths[static_cast<std::size_t>(ShowEntries - InGroups + g * 20 + e)]);
                group->AddTriggeredSequences(entry);
            }
            show.InteractiveGroups()->push_back(group);
        }
    }
};

const CheckFixture& Check() {
    static const CheckFixture fixture;
    return fixture;
}

// 50,000 files "NNNNN.kas" in 500 folders, and the missing files of a show that moved: 2,000
// names, of which every fourth is in the tree and of those every other twice.
struct TreeFixture {
    fs::path tree = Root() / "tree";
    std::vector<Relink::MissingFile> missing;

    TreeFixture() {
        int n = 0;
        for (int f = 0; f < TreeFolders; ++f)
            for (int s = 0; s < TreeSubfolders; ++s) {
                const fs::path folder =
                    tree / ("Folder " + std::to_string(f)) / ("Sub " + std::to_string(s));
                fs::create_directories(folder);
                for (int i = 0; i < FilesPerFolder; ++i, ++n)
                    Touch(folder / (std::to_string(200000 + n % 25000) + ".kas"));
            }
        for (int i = 0; i < 2000; ++i) {
            const int number = i % 4 == 0 ? 200000 + i * 10 : 300000 + i;
            missing.push_back({{ShowCheck::Section::Animation, i + 1, -1, -1},
                               "C:\\Old\\Folder 3\\Sub 4\\" + std::to_string(number) + ".kas",
                               ""});
        }
    }
};

const TreeFixture& Tree() {
    static const TreeFixture fixture;
    return fixture;
}

void BM_CheckShow(benchmark::State& state) {
    const CheckFixture& fixture = Check();
    for (auto _ : state) {
        std::vector<ShowCheck::Finding> findings = ShowCheck::CheckShow(fixture.show, {});
        benchmark::DoNotOptimize(findings);
    }
}

void BM_BareFileExists(benchmark::State& state) {
    const CheckFixture& fixture = Check();
    for (auto _ : state) {
        int existing = 0;
        for (const std::string& path : fixture.paths)
            existing += LibFile::FileExists(path) ? 1 : 0;
        benchmark::DoNotOptimize(existing);
    }
}

void BM_FindMovedFiles(benchmark::State& state) {
    const TreeFixture& fixture = Tree();
    const std::string root = fixture.tree.string();
    for (auto _ : state) {
        Relink::Search search = Relink::FindMovedFiles(fixture.missing, root);
        benchmark::DoNotOptimize(search);
    }
}

void BM_BareDirectoryWalk(benchmark::State& state) {
    const TreeFixture& fixture = Tree();
    for (auto _ : state) {
        int entries = 0;
        std::error_code error;
        for (fs::recursive_directory_iterator it(fixture.tree, error), end; !error && it != end;
             it.increment(error))
            ++entries;
        benchmark::DoNotOptimize(entries);
    }
}

void PrintRatio(const bench::KeepingReporter& reporter, const char* what, const char* name,
                const char* baseline) {
    const auto measured = reporter.Find(name);
    const auto bare = reporter.Find(baseline);
    if (!measured || !bare || bare->real <= 0)
        return;
    std::printf("%-40s %5.2fx  (goal: at most 1.5x)\n", what, measured->real / bare->real);
}

} // namespace

BENCHMARK(BM_CheckShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareFileExists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindMovedFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDirectoryWalk)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    bench::KeepingReporter reporter;
    const bool ran = bench::RunBenchmarks(argc, argv, reporter);
    std::error_code ignored;
    fs::remove_all(Root(), ignored);
    if (!ran)
        return 1;
    std::printf("\nRatios to the bare file system work (time per iteration):\n");
    PrintRatio(reporter, "check of 10,000 entries / bare exists loop", "BM_CheckShow",
               "BM_BareFileExists");
    PrintRatio(reporter, "search of 50,000 files / bare walk", "BM_FindMovedFiles",
               "BM_BareDirectoryWalk");
    return 0;
}
