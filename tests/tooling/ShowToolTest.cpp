#include "tooling/ShowTool.h"
#include "DataFile.h"
#include "ShowGenerator.h"
#include "TemporaryFolder.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

using namespace bw;
using namespace bw::ShowTool;

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

TEST(ShowToolCommandLine, HelpVersionAndUsageErrors) {
    // Arguments, exit code, a text expected in standard output, or else in the one line of errors.
    // clang-format off
    const std::tuple<std::vector<std::string>, int, std::string, std::string> cases[] = {
        {{"--version"}, ExitCode::Success, "bwshowtool " BWSHOW_VERSION "\n", ""},
        {{"--help"}, ExitCode::Success, "Exit codes: 0 done", ""},
        {{"check", "--help"}, ExitCode::Success, "Exit code 3 when anything is listed", ""},
        {{}, ExitCode::Usage, "", "bwshowtool: A subcommand is required"},
        {{"build", "a.json"}, ExitCode::Usage, "", "--output is required"},
        {{"check", "--fix", "a.kss"}, ExitCode::Usage, "", "--fix"}};
    // clang-format on
    for (const auto& [args, code, out, err] : cases) {
        const auto [actualCode, actualOut, actualErr] = RunTool(args);
        EXPECT_EQ(actualCode, code) << testing::PrintToString(args);
        EXPECT_NE(actualOut.find(out), std::string::npos) << actualOut;
        EXPECT_NE(actualErr.find(err), std::string::npos) << actualErr;
        EXPECT_EQ(std::count(actualErr.begin(), actualErr.end(), '\n'), err.empty() ? 0 : 1);
    }
}

// dump and check open a show file as the editor does, and say in one line what went wrong.
TEST_F(ShowToolTest, UnreadableFilesAndTextsThatAreNoShow) {
    std::filesystem::create_directory(PathOf("folder"));
    // clang-format off
    const std::tuple<std::string, std::string, int, std::string> cases[] = {
        {"missing.kss", "", ExitCode::CannotRead, "cannot read %: no such file"},
        {"folder", "", ExitCode::CannotRead, "cannot read %: it is a folder"},
        {"empty.kss", "-", ExitCode::NotAShow, "% is not a show file: its text holds no list"},
        {"cut.kss", "((0,1,2,0,,,T,F,F)\r\n", ExitCode::NotAShow,
         "% is not a show file: Badly formatted list, missing closing paren"},
        {"three.kss", "(a,b,c)\r\n", ExitCode::NotAShow,
         "% is not a show file: no show can be built from its text (a section cannot be read)"}};
    // clang-format on
    for (const auto& [name, bytes, code, message] : cases) {
        if (!bytes.empty())
            Put(PathOf(name), bytes == "-" ? "" : bytes);
        for (const char* command : {"dump", "check"}) {
            const auto [actualCode, out, err] = RunTool({command, PathOf(name)});
            std::string expected = "bwshowtool: " + message + "\n";
            expected.replace(expected.find('%'), 1, PathOf(name));
            EXPECT_EQ(actualCode, code) << command << " " << name;
            EXPECT_EQ(out + err, expected) << command;
        }
    }
}

// A file saved by the editor comes back byte for byte through dump and build.
TEST_F(ShowToolTest, DumpThenBuildGivesTheSameFile) {
    test::ShowGenerator generator(4711);
    for (int i = 0; i < 60; ++i) {
        const std::string original = PathOf("original.kss");
        ASSERT_EQ(
            File::WriteWholeFile(original, ShowFunctions::ShowToText(*generator.RandomShow())), 0);
        const auto [code, json, err] = RunTool({"dump", original});
        ASSERT_EQ(code, ExitCode::Success) << err;
        Put(PathOf("show.json"), json);
        const auto built =
            i % 2 == 0 ? RunTool({"build", "-o", PathOf("rebuilt.kss")}, json)
                       : RunTool({"build", PathOf("show.json"), "--output", PathOf("rebuilt.kss")});
        ASSERT_EQ(std::get<0>(built), ExitCode::Success) << std::get<2>(built) << json;
        ASSERT_EQ(Bytes(PathOf("rebuilt.kss")), Bytes(original)) << json;
    }
}

TEST_F(ShowToolTest, BuildWritesTheFileTheEditorSavesOrLeavesItAlone) {
    const std::string path = PathOf("out.kss");
    // A character outside the code page makes a UTF-8 file, as the editor does, with a warning.
    // "-" reads standard input, as no name does.
    EXPECT_NE(std::get<2>(RunTool({"build", "-", "-o", path}, R"({"Main": {"CleanUp": "\u03a9"}})"))
                  .find(": Show file is written in UTF-8 (for \"\u03a9\")"),
              std::string::npos);
    EXPECT_NE(Bytes(path).find("(1,0,1,0,\u03a9,,T,F,F)"), std::string::npos);

    Put(path, "before");
    const std::string bad = PathOf("bad.json"), none = PathOf("none.json"),
                      out = PathOf("no/o.kss");
    Put(bad, R"({"Musical": {"Delay": "5"}})");
    // The texts of the refusals are those of the JSON tests.
    // clang-format off
    const std::tuple<std::vector<std::string>, std::string, int, std::string> failures[] = {
        {{"build", bad, "-o", path}, "", ExitCode::NotAShow, bad + ": Musical.Delay: "},
        {{"build", "-o", path}, R"({"Mian": {}})", ExitCode::NotAShow, "standard input: unknown key"},
        {{"build", "-o", path}, "{\"Main\": ", ExitCode::NotAShow, "standard input: parse error"},
        {{"build", none, "-o", path}, "", ExitCode::CannotRead, "cannot read " + none + ": no such file"},
        {{"build", "-o", out}, "{}", ExitCode::CannotWrite, "unable to write to " + out}};
    // clang-format on
    for (const auto& [args, input, code, message] : failures) {
        const auto [actualCode, out, err] = RunTool(args, input);
        EXPECT_EQ(actualCode, code) << message;
        EXPECT_EQ(err.find("bwshowtool: " + message), 0u) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(Bytes(path), "before");
    }
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
    const std::string show = PathOf("show.kss");
    std::string json = test::DataFile("tooling/in-sequence-folder.json");
    RunTool({"build", "-o", show}, json);
    EXPECT_EQ(RunTool({"check", show}),
              std::make_tuple(
                  int(ExitCode::Findings),
                  "Musical section, entry 2: sequence file not found: \"gone.kms\" (looked for \"" +
                      PathOf("seq/gone.kms") + "\")\n",
                  std::string()));
    RunTool({"build", "-o", show}, json.erase(json.find(R"(, "gone.kms")"), 12));
    EXPECT_EQ(RunTool({"check", show}),
              std::make_tuple(int(ExitCode::Success), std::string(), std::string()));
}
#endif
