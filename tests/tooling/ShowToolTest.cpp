#include "tooling/ShowTool.h"
#include "DataFile.h"
#include "OtherSystemTest.h"
#include "ShowGenerator.h"
#include "TemporaryFolder.h"
#include "showfile/ShowFunctions.h"
#include "tooling/ShowJson.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#ifndef _WIN32
#include "ChildProcess.h"
#include "environment/SaveBackups.h"
#include "environment/WholeFile.h"
#include "showfile/File.h"

#include <csignal>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <sys/inotify.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace bw;
using namespace bw::ShowTool;
using namespace bw::ShowTool::ExitCode;
using namespace bw::ShowJson;

namespace {

// The exit code, then standard output (unless `out` takes it) and standard error.
std::tuple<int, std::string, std::string> RunTool(const std::vector<std::string>& args,
                                                  const std::string& input = "",
                                                  std::ostream* out = nullptr) {
    std::vector<const char*> argv{"bwshowtool"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream written, err;
    const int code = Run(static_cast<int>(argv.size()), argv.data(), in, out ? *out : written, err);
    return {code, written.str(), err.str()};
}

using ShowToolTest = test::TemporaryFolder;

ShowPtr BuildJson(std::string_view json) {
    return ShowJson::ShowFromJson(ShowJson::ParseJson(json));
}

} // namespace

// dump and check open a show file as the editor does; build writes it as the editor saves it. Each
// failure says in one line what went wrong and leaves the output file alone.
TEST_F(ShowToolTest, ExitCodesAndMessages) {
    for (const auto& [name, bytes] : {std::pair{"empty.kss", ""},
                                      {"cut.kss", "((0,1,2,0,,,T,F,F)"},
                                      {"three.kss", "(a,b,c)"},
                                      {"bad.json", R"({"Musical": {"Delay": "5"}})"},
                                      {"out.kss", "before"},
                                      {"new.json", "{}"}})
        Put(PathOf(name), bytes);
    const std::string newShow = ShowFunctions::ShowToText(Show());
    Put(PathOf("new.kss"), newShow);
    const auto filled = [&](const std::string& field) {
        std::string text = test::Unescaped(field);
        for (const auto& [mark, by] :
             {std::pair<std::string, std::string>{"<f>", Folder()},
              {"<version>", "bwshowtool " BWSHOW_VERSION "\n"},
              {"<new-show.json>", test::DataFile("tooling/new-show.json")}})
            for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                text.replace(at, mark.size(), by);
        return text;
    };
    std::vector<std::vector<std::string>> rows = test::DataRows("tooling/exit-codes.txt");
#ifndef _WIN32
    for (auto& row : test::DataRows("tooling/exit-codes-utf8.txt"))
        rows.push_back(std::move(row));
#endif
    for (const auto& row : rows) {
        std::vector<std::string> args = test::Split(row[0], ' ');
        std::ranges::transform(args, args.begin(), filled);
        const std::string out = filled(row[3]), err = filled(row[4]);
        const auto [actualCode, actualOut, actualErr] = RunTool(args, row[1]);
        EXPECT_EQ(actualCode, std::stoi(row[2])) << row[0];
        EXPECT_TRUE(out.empty() ? actualOut.empty() : actualOut.find(out) != std::string::npos);
        EXPECT_TRUE(err.empty() ? actualErr.empty() : actualErr.starts_with("bwshowtool: " + err))
            << actualErr;
        EXPECT_EQ(std::count(actualErr.begin(), actualErr.end(), '\n'), err.empty() ? 0 : 1);
    }
    EXPECT_EQ(Bytes(PathOf("out.kss")), "before");
    EXPECT_EQ(Bytes(PathOf("rebuilt.kss")), newShow + "\r\n");
}

// The whole layout, key by key: names, order, nesting and formatting, UTF-8 left as it is; and
// whatever build accepts, dump gives back, values the editor would not offer included.
TEST(ShowJson, DumpGivesBackWhatBuildAccepted) {
    EXPECT_EQ(ShowToJsonText(Show()), test::DataFile("tooling/new-show.json"));
    const std::string group = test::DataFile("tooling/show-with-group.json");
    EXPECT_EQ(ShowToJsonText(*BuildJson(group)), group);
    const Json input = Json::parse(test::DataFile("tooling/accepted-values.json"));
    const Json output = ShowToJson(*ShowFromJson(input));
    for (const auto& [key, value] : input.items())
        EXPECT_EQ(output[key], value) << key;
}

// Any show that keeps the model's invariants comes back equal from its JSON.
TEST(ShowJson, RandomShowsRoundTripThroughTheirJson) {
    test::ShowGenerator generator(4711);
    for (int i = 0; i < 300; ++i) {
        const ShowPtr show = generator.RandomShow();
        const std::string json = ShowToJsonText(*show);
        ASSERT_TRUE(*BuildJson(json) == *show) << json;
    }
}

// Missing keys take the values of a new show, group, entry or trigger: missing-keys.json builds
// the show of missing-keys.txt.
TEST(ShowJson, MissingKeysTakeNewShowValues) {
    EXPECT_TRUE(*BuildJson(R"({"Background": {}, "Musical": {}, "StartupTrigger": null})") ==
                Show());
    const ShowPtr show = BuildJson(test::DataFile("tooling/missing-keys.json"));
    EXPECT_EQ(ShowFunctions::ShowToText(*show) + "\n", test::DataFile("tooling/missing-keys.txt"));
    EXPECT_EQ(show->InteractiveGroups()->at(0)->TypeName(), "Jukebox");
}

// Each refusal names the place and says what was expected.
TEST(ShowJson, BuildRefusesWhatItCannotHoldAndSaysWhere) {
    for (const auto& row : test::DataRows("tooling/refusals.txt")) {
        const std::string json = test::Unescaped(row[0]), &path = row[1], &problem = row[2];
        SCOPED_TRACE(json);
        JsonError error("", "");
        try {
            BuildJson(json);
        } catch (const JsonError& raised) {
            error = raised;
        }
        EXPECT_EQ(error.Path(), path);
        EXPECT_NE(error.Problem().find(problem), std::string::npos) << error.Problem();
        EXPECT_EQ(std::string(error.what()),
                  path.empty() ? error.Problem() : path + ": " + error.Problem());
    }
}

#ifndef _WIN32
// Inputs that are not regular files or far too large are refused at once by every command and by
// the editor's file reading (1: "Unable to open"), as are an unread output FIFO and a full output.
TEST_F(ShowToolTest, NonRegularAndHugeInputs_AreRefusedWithoutWaiting) {
    const std::string fifo = PathOf("fifo"), huge = PathOf("huge.kss");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    Put(huge, "");
    std::filesystem::resize_file(huge, WholeFile::MaxBytes + 1);
    Put(PathOf("show.json"), "{}");
    const std::pair<std::string, std::string> inputs[] = {
        {fifo, "it is not a regular file\n"},
        {"/dev/zero", "it is not a regular file\n"},
        {huge, "it is larger than any show (more than 64 MiB)\n"}};
    alarm(60); // a read that waits ends the test
    for (const auto& [path, why] : inputs) {
        std::string text = "unchanged";
        EXPECT_EQ(File::ReadWholeFile(path, text), 1) << path;
        EXPECT_EQ(text, "unchanged");
        for (const std::vector<std::string>& args : {std::vector<std::string>{"dump", path},
                                                     {"check", path},
                                                     {"build", path, "-o", PathOf("out.kss")}})
            EXPECT_EQ(RunTool(args),
                      std::make_tuple(int(CannotRead), std::string(),
                                      "bwshowtool: cannot read " + path + ": " + why))
                << args[0];
    }
    EXPECT_EQ(std::get<2>(RunTool({"build", "-o", PathOf("out.kss")},
                                  std::string(WholeFile::MaxBytes + 1, ' '))),
              "bwshowtool: cannot read standard input: " + inputs[2].second);
    EXPECT_EQ(RunTool({"build", PathOf("show.json"), "-o", fifo}),
              std::make_tuple(int(CannotWrite), std::string(),
                              "bwshowtool: unable to write to " + fifo + "\n"));
    alarm(0);

#if !defined(__SANITIZE_ADDRESS__) // which reserves more address space than any limit allows
    // Under a memory limit, a file below the size limit is refused with the reason, no abort.
    std::filesystem::resize_file(huge, WholeFile::MaxBytes - 1);
    EXPECT_EQ(test::Wait(test::StartAs(
                  [&] {
                      rlimit limit{}; // room for the program as it runs, not for the file
                      getrlimit(RLIMIT_AS, &limit);
                      std::ifstream("/proc/self/statm") >> limit.rlim_cur;
                      limit.rlim_cur = limit.rlim_cur * sysconf(_SC_PAGESIZE) + (16u << 20);
                      const std::string why = ": there is not enough memory to read it\n";
                      return setrlimit(RLIMIT_AS, &limit) != 0 ||
                             !std::get<2>(RunTool({"dump", huge})).ends_with(why);
                  },
                  false)),
              0);
#endif
    // A check whose findings cannot be written says so, with the output's exit code.
    RunTool({"build", PathOf("show.json"), "-o", PathOf("empty.kss")});
    std::ofstream full("/dev/full");
    EXPECT_EQ(RunTool({"check", PathOf("empty.kss")}, "", &full),
              std::make_tuple(int(CannotWrite), std::string(),
                              "bwshowtool: cannot write to standard output\n"));
}

namespace {

// The JSON of a show of some hundred kilobytes that takes little time to read: `count` long names.
std::string LargeShowJson(const std::string& folder, int count) {
    std::string json = R"({"Main": {"List": [")";
    for (int i = 0; i < count; ++i)
        for (int part = 0; part < 151; ++part)
            json += part < 150 ? folder + std::to_string(i) : i + 1 < count ? "\", \"" : "\"]}}";
    return json;
}

// Runs `work` as the saver, stopped at each system call's entry and exit (ptrace), and kills it at
// stop `killAt` (-1: never) from the first event on the inotify descriptor `watch`: a point chosen
// by the save's progress, however busy the machine. The exit code, and the stops from that event.
std::pair<int, int> RunTraced(int watch, int killAt, const std::function<int()>& work) {
    const pid_t child = test::StartAs([&] {
        return ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0 && raise(SIGSTOP) == 0 ? work()
                                                                                       : 126;
    });
    int status = 0, stops = -1;
    waitpid(child, &status, 0);
    ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    for (long signal = 0;; signal = WSTOPSIG(status) == (SIGTRAP | 0x80) ? 0 : WSTOPSIG(status)) {
        ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(signal));
        if (waitpid(child, &status, 0) != child || !WIFSTOPPED(status))
            return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), stops};
        char events[4096];
        if (stops < 0 && read(watch, events, sizeof events) > 0)
            stops = 0;
        if (stops >= 0 && stops++ == killAt) {
            kill(child, SIGKILL);
            return {test::Wait(child), stops};
        }
    }
}

} // namespace

// Builds killed at random system call stops of their save, into a writable folder (temporary file
// and rename) and into one that refuses the saver new files (in place): the show file holds the old
// or the new show whole, or the save backups the old one. The next save leaves nothing behind.
TEST_F(ShowToolTest, BuildKilledAtRandomPoints_LeavesTheOldOrTheNewShowWhole) {
    ASSERT_TRUE(std::filesystem::create_directories(PathOf("state")) &&
                test::GiveToSaver(PathOf("state")) == 0);
    setenv("XDG_STATE_HOME", PathOf("state").c_str(), 1); // each test runs on its own
    Put(PathOf("old.json"), LargeShowJson(" C:/Old shows/Yard ", 200));
    Put(PathOf("new.json"), LargeShowJson(" D:/New shows/Yard ", 170)); // shorter than the old
    RunTool({"build", PathOf("old.json"), "-o", PathOf("old.kss")});
    RunTool({"build", PathOf("new.json"), "-o", PathOf("new.kss")});
    const std::string old = Bytes(PathOf("old.kss")), now = Bytes(PathOf("new.kss"));

    struct Kind {
        std::string folder;
        bool inPlace;
        int stops; // from the save's start to the end of a build
    } kinds[] = {{PathOf("open"), false, 0}, {PathOf("locked"), true, 0}};
    // Builds over the old show: the exit code and the stops made in the save.
    const auto build = [&](const Kind& kind, int killAt) {
        const std::string show = kind.folder + "/show.kss";
        std::ofstream(show, std::ios::binary | std::ios::trunc) << old; // keeps the owner
        // What a save does first: open the file it writes in place, or make its temporary file.
        const int watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        inotify_add_watch(watch, (kind.inPlace ? show : kind.folder).c_str(),
                          kind.inPlace ? IN_OPEN : IN_CREATE);
        const auto result = RunTraced(watch, killAt, [&] {
            return std::get<0>(RunTool({"build", PathOf("new.json"), "-o", show}));
        });
        close(watch);
        return result;
    };
    for (Kind& kind : kinds) {
        Put(kind.folder + "/show.kss", old);
        ASSERT_EQ(test::GiveToSaver((kind.folder + "/show.kss")), 0);
        using enum std::filesystem::perms;
        std::filesystem::permissions(
            kind.folder, kind.inPlace ? all & ~(owner_write | group_write | others_write) : all);
        const auto [code, stops] = build(kind, -1);
        ASSERT_TRUE(code == 0 && (kind.stops = stops) > 0) << kind.folder;
    }

    std::mt19937 random(std::random_device{}());
    for (int run = 0; run < 20; ++run) {
        Kind& kind = kinds[run % 2];
        const int killAt = std::uniform_int_distribution<int>(0, kind.stops)(random);
        const int code = build(kind, killAt).first;
        const std::string content = Bytes(kind.folder + "/show.kss");
        std::string outcome = content == old ? "old" : content == now ? "new" : "fragment";
        for (const SaveBackups::Backup& backup : SaveBackups::Left()) {
            if (outcome == "fragment" && Bytes(backup.copyPath) == old &&
                backup.originalPath == kind.folder + "/show.kss")
                outcome = "old in the save backups";
            SaveBackups::Discard(backup);
        }
        std::cout << kind.folder << ", killed at stop " << killAt << " of " << kind.stops << ": "
                  << outcome << (code == 0 ? " (finished)" : "") << "\n";
        EXPECT_NE(outcome, "fragment") << content.size() << " bytes, no copy of the old show";
    }

    for (const Kind& kind : kinds) {
        ASSERT_EQ(build(kind, -1).first, 0) << kind.folder;
        EXPECT_EQ(Bytes(kind.folder + "/show.kss"), now);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(kind.folder), {}), 1)
            << kind.folder << ": a temporary file was left";
        EXPECT_TRUE(SaveBackups::Left().empty());
    }
}
// relink searches the given folder, or else the sequence folder of the settings, writes the
// show to -o or back to itself, lists every missing file and counts the relinked ones; exit code
// 3 while files stay missing.
TEST_F(ShowToolTest, RelinkWritesFoundFilesAndListsTheRest) {
    setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1);
    Put(PathOf("config/Brightwave/registry.reg"),
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n\"NonAudioPath\"=\"" +
            PathOf("tree") + "\"\r\n");
    const std::string found = PathOf("tree/Свет/a.kas");
    Put(found, "x");
    const std::string show = PathOf("show.kss"), out = PathOf("out.kss");
    RunTool({"build", "-o", show}, R"({"Background": {"List": ["C:\\Old\\a.kas", "gone.kas"]}})");
    const std::string before = Bytes(show);
    const std::string listed =
        "Background section, entry 1: \"C:\\Old\\a.kas\" relinked to \"" + found + "\"\n" +
        "Background section, entry 2: \"gone.kas\" not found\nRelinked 1 of 2 missing files.\n";
    EXPECT_EQ(RunTool({"relink", show, "--search", PathOf("tree"), "-o", out}),
              std::make_tuple(int(Findings), listed, std::string()));
    EXPECT_EQ(Bytes(show), before);
    EXPECT_NE(std::get<1>(RunTool({"dump", out})).find("\"" + found + "\""), std::string::npos);

    EXPECT_EQ(std::get<0>(RunTool({"relink", show})), Findings);
    EXPECT_EQ(Bytes(show), Bytes(out));
}
#else
BWSHOW_OTHER_SYSTEM_TEST_F(ShowToolTest, NonRegularAndHugeInputs_AreRefusedWithoutWaiting)
BWSHOW_OTHER_SYSTEM_TEST_F(ShowToolTest, BuildKilledAtRandomPoints_LeavesTheOldOrTheNewShowWhole)
BWSHOW_OTHER_SYSTEM_TEST_F(ShowToolTest, RelinkWritesFoundFilesAndListsTheRest)
#endif
