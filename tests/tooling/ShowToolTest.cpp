#include "tooling/ShowTool.h"
#include "DataFile.h"
#include "TemporaryFolder.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

using namespace bw;
using namespace bw::ShowTool;
using namespace bw::ShowTool::ExitCode;

namespace {

// The exit code, then standard output and standard error.
std::tuple<int, std::string, std::string> RunTool(const std::vector<std::string>& args,
                                                  const std::string& input = "") {
    std::vector<const char*> argv{"bwshowtool"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = Run(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {code, out.str(), err.str()};
}

using ShowToolTest = test::TemporaryFolder;

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
    // Arguments, standard input, exit code, a text expected in standard output, or else the start
    // of the one line of errors.
    const std::string f = Folder();
    // clang-format off
    const std::tuple<std::vector<std::string>, std::string, int, std::string, std::string> cases[] = {
        {{"--version"}, "", Success, "bwshowtool " BWSHOW_VERSION "\n", ""},
        {{"--help"}, "", Success, "Exit codes: 0 done", ""},
        {{"check", "--help"}, "", Success, "Exit code 3 when anything is listed", ""},
        {{}, "", Usage, "", "A subcommand is required"},
        {{"dump", f + "new.kss"}, "", Success, test::DataFile("tooling/new-show.json"), ""},
        {{"build", f + "new.json", "-o", f + "rebuilt.kss"}, "", Success, "", ""},
        {{"dump", f + "missing.kss"}, "", CannotRead, "", "cannot read " + f + "missing.kss: no such file\n"},
        {{"check", f}, "", CannotRead, "", "cannot read " + f + ": it is a folder\n"},
        {{"dump", f + "empty.kss"}, "", NotAShow, "", f + "empty.kss is not a show file: its text holds no list\n"},
        {{"check", f + "cut.kss"}, "", NotAShow, "", f + "cut.kss is not a show file: Badly formatted list, missing closing paren\n"},
        {{"dump", f + "three.kss"}, "", NotAShow, "", f + "three.kss is not a show file: no show can be built from its text (a section cannot be read)\n"},
        {{"build", f + "bad.json", "-o", f + "out.kss"}, "", NotAShow, "", f + "bad.json: Musical.Delay: "},
        {{"build", "-o", f + "out.kss"}, R"({"Mian": {}})", NotAShow, "", "standard input: unknown key"},
        {{"build", f + "none.json", "-o", f + "out.kss"}, "", CannotRead, "", "cannot read " + f + "none.json: no such file\n"},
        {{"build", "-o", f + "no/o.kss"}, "{}", CannotWrite, "", "unable to write to " + f + "no/o.kss\n"}};
    // clang-format on
    for (const auto& [args, input, code, out, err] : cases) {
        const auto [actualCode, actualOut, actualErr] = RunTool(args, input);
        EXPECT_EQ(actualCode, code) << testing::PrintToString(args);
        EXPECT_TRUE(out.empty() ? actualOut.empty() : actualOut.find(out) != std::string::npos);
        EXPECT_TRUE(err.empty() ? actualErr.empty() : actualErr.starts_with("bwshowtool: " + err))
            << actualErr;
        EXPECT_EQ(std::count(actualErr.begin(), actualErr.end(), '\n'), err.empty() ? 0 : 1);
    }
    EXPECT_EQ(Bytes(PathOf("out.kss")), "before");
    EXPECT_EQ(Bytes(PathOf("rebuilt.kss")), newShow + "\r\n");
}

// Characters outside the code page make a UTF-8 file, as the editor does, which build warns of
// and check lists: the first eight, each once. "-" reads standard input, as no name does.
TEST_F(ShowToolTest, FileInUtf8IsReportedByBuildAndCheck) {
    const std::string path = PathOf("out.kss");
    const std::string finding =
        "Show file is written in UTF-8 (for \"Ω\", \"α\", \"β\", \"γ\", \"δ\", \"ε\", \"ζ\", "
        "\"η\", "
        "...), which the editor on Windows does not read: names with these characters will be "
        "wrong there\n";
    EXPECT_EQ(RunTool({"build", "-", "-o", path}, R"({"Main": {"CleanUp": "ΩΩαβγδεζηθ"}})"),
              std::make_tuple(int(Success), std::string(),
                              "bwshowtool: warning: " + path + ": " + finding));
    EXPECT_NE(Bytes(path).find("(1,0,1,0,ΩΩαβγδεζηθ,,T,F,F)"), std::string::npos);
    EXPECT_NE(std::get<1>(RunTool({"check", path})).find("\n" + finding), std::string::npos);
}

#ifndef _WIN32
// check resolves names against the sequence folder of the user's settings: of a show whose
// sections all hold the one file of that folder, only the name that is not there is listed.
TEST_F(ShowToolTest, CheckResolvesNamesAgainstTheSettingsSequenceFolder) {
    setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1); // each test runs on its own
    Put(PathOf("config/Brightwave/registry.reg"),
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n\"NonAudioPath\"=\"" +
            PathOf("seq") + "\"\r\n");
    Put(PathOf("seq/here.kas"), "x");
    const std::string show = PathOf("show.kss"),
                      gone = "Musical section, entry 2: sequence file not found: \"gone.kms\" "
                             "(looked for \"" +
                             PathOf("seq/gone.kms") + "\")\n";
    std::string json = test::DataFile("tooling/in-sequence-folder.json");
    for (const auto& [code, listed] : {std::pair{int(Findings), gone}, {int(Success), ""}}) {
        RunTool({"build", "-o", show}, json);
        EXPECT_EQ(RunTool({"check", show}), std::make_tuple(code, listed, std::string()));
        if (code == Findings)
            json.erase(json.find(R"(, "gone.kms")"), 12);
    }
}
#endif

#ifndef _WIN32
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
    const std::string listed = "Background section, entry 1: \"C:\\Old\\a.kas\" relinked to \"" +
                               found +
                               "\"\nBackground section, entry 2: \"gone.kas\" not found\n"
                               "Relinked 1 of 2 missing files.\n";
    EXPECT_EQ(RunTool({"relink", show, "--search", PathOf("tree"), "-o", out}),
              std::make_tuple(int(Findings), listed, std::string()));
    EXPECT_EQ(Bytes(show), before);
    EXPECT_NE(std::get<1>(RunTool({"dump", out})).find("\"" + found + "\""), std::string::npos);

    EXPECT_EQ(std::get<0>(RunTool({"relink", show})), Findings);
    EXPECT_EQ(Bytes(show), Bytes(out));
    EXPECT_EQ(
        RunTool({"relink", show, "--search", PathOf("none")}),
        std::make_tuple(int(CannotRead), std::string(),
                        "bwshowtool: cannot search " + PathOf("none") + ": it is not a folder\n"));
}
#endif
