#include "tooling/ShowTool.h"
#include "ShowGenerator.h"
#include "TemporaryFolder.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

using namespace bw;
using namespace bw::ShowTool;

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome RunTool(const std::vector<std::string>& args, const std::string& input = "") {
    std::vector<const char*> argv{"bwshowtool"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = Run(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {code, out.str(), err.str()};
}

// Failures are told in exactly one line.
bool OneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == text.size() - 1;
}

class ShowToolTest : public test::TemporaryFolder {
protected:
    std::string WriteShow(const std::string& name, const Show& show) const {
        const std::string path = PathOf(name);
        EXPECT_EQ(File::WriteWholeFile(path, ShowFunctions::ShowToText(show)), 0);
        return path;
    }
};

} // namespace

TEST(ShowToolCommandLine, HelpVersionAndUsageErrors) {
    const struct {
        std::vector<std::string> args;
        int code;
        std::string out; // expected in standard output
        std::string err; // expected in standard error, which is otherwise empty
    } cases[] = {
        {{"--version"}, ExitCode::Success, "bwshowtool " BWSHOW_VERSION "\n", ""},
        {{"--help"}, ExitCode::Success, "Usage: bwshowtool [OPTIONS] SUBCOMMAND", ""},
        {{"-h"}, ExitCode::Success, "Exit codes: 0 done", ""},
        {{"dump", "--help"}, ExitCode::Success, "Usage: bwshowtool dump [OPTIONS] FILE", ""},
        {{"build", "-h"}, ExitCode::Success, "-o,--output", ""},
        {{"check", "--help"}, ExitCode::Success, "Exit code 3 when anything is listed", ""},
        {{}, ExitCode::Usage, "", "bwshowtool: A subcommand is required"},
        {{"show"}, ExitCode::Usage, "", "show"},
        {{"dump"}, ExitCode::Usage, "", "FILE is required"},
        {{"dump", "a.kss", "b.kss"}, ExitCode::Usage, "", "b.kss"},
        {{"build", "a.json"}, ExitCode::Usage, "", "--output is required"},
        {{"check", "--fix", "a.kss"}, ExitCode::Usage, "", "--fix"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const Outcome outcome = RunTool(c.args);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_NE(outcome.out.find(c.out), std::string::npos) << outcome.out;
        if (c.err.empty()) {
            EXPECT_EQ(outcome.err, "");
        } else {
            EXPECT_TRUE(OneLine(outcome.err)) << outcome.err;
            EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
        }
    }
}

// dump and check open a show file as the editor does, and say in one line what went wrong.
TEST_F(ShowToolTest, UnreadableFilesAndTextsThatAreNoShow) {
    const std::string folder = PathOf("folder");
    std::filesystem::create_directory(folder);
    const struct {
        std::string name;
        std::string bytes; // none: the file is not made
        int code;
        std::string message; // after "bwshowtool: "
    } cases[] = {
        {"missing.kss", "", ExitCode::CannotRead, "cannot read % : no such file"},
        {"folder", "", ExitCode::CannotRead, "cannot read % : it is a folder"},
        {"empty.kss", "-", ExitCode::NotAShow, "% is not a show file: its text holds no list"},
        {"words.kss", "a show\r\n", ExitCode::NotAShow,
         "% is not a show file: its text holds no list"},
        {"cut.kss", "((0,1,2,0,,,T,F,F)\r\n", ExitCode::NotAShow,
         "% is not a show file: Badly formatted list, missing closing paren"},
        {"open.kss", "((0,1,2\r\n", ExitCode::NotAShow,
         "% is not a show file: Badly formatted list, enclosing parens"},
        {"three.kss", "(a,b,c)\r\n", ExitCode::NotAShow,
         "% is not a show file: no show can be built from its text (a section cannot be read)"},
    };
    for (const auto& c : cases) {
        const std::string path = PathOf(c.name);
        if (!c.bytes.empty())
            Put(path, c.bytes == "-" ? "" : c.bytes);
        std::string message = c.message;
        message.replace(message.find('%'), 1, path);
        if (const auto blank = message.find(" :"); blank != std::string::npos)
            message.erase(blank, 1);
        for (const char* command : {"dump", "check"}) {
            SCOPED_TRACE(std::string(command) + " " + c.name);
            const Outcome outcome = RunTool({command, path});
            EXPECT_EQ(outcome.code, c.code);
            EXPECT_EQ(outcome.out, "");
            EXPECT_EQ(outcome.err, "bwshowtool: " + message + "\n");
        }
    }
}

// A file saved by the editor comes back byte for byte through dump and build.
TEST_F(ShowToolTest, DumpThenBuildGivesTheSameFile) {
    test::ShowGenerator generator(4711);
    for (int i = 0; i < 60; ++i) {
        const std::string original = WriteShow("original.kss", *generator.RandomShow());
        const Outcome dumped = RunTool({"dump", original});
        ASSERT_EQ(dumped.code, ExitCode::Success) << dumped.err;
        ASSERT_EQ(dumped.err, "");

        const std::string rebuilt = PathOf("rebuilt.kss");
        Outcome built;
        if (i % 2 == 0) {
            built = RunTool({"build", "-o", rebuilt}, dumped.out);
        } else {
            Put(PathOf("show.json"), dumped.out);
            built = RunTool({"build", PathOf("show.json"), "--output", rebuilt});
        }
        ASSERT_EQ(built.code, ExitCode::Success) << built.err << dumped.out;
        ASSERT_EQ(Bytes(rebuilt), Bytes(original)) << dumped.out;
    }
}

TEST_F(ShowToolTest, BuildWritesTheFileTheEditorSaves) {
    const std::string json =
        R"({"Main": {"List": ["C:\\Caf\u00e9\\\u20ac (1).kas"]}, "StartupType": 1})";
    const std::string path = PathOf("out.kss");
    const Outcome outcome = RunTool({"build", "-", "-o", path}, json);
    ASSERT_EQ(outcome.code, ExitCode::Success);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(Bytes(path),
              "((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,(C:\\Caf\xe9\\\x80 *O1*C.kas)"
              ",T,F,F),(0,1,2,0,,,T,F,F),,(2,0,1,0,,,T,F,F),, 1,,F)\r\n");

    // A character outside the code page makes a UTF-8 file, as the editor does, with a warning.
    const Outcome greek = RunTool({"build", "-o", path}, R"({"Main": {"CleanUp": "\u03a9"}})");
    EXPECT_EQ(greek.code, ExitCode::Success);
    EXPECT_NE(greek.err.find(": Show file is written in UTF-8 (for \"\u03a9\")"),
              std::string::npos);
    EXPECT_NE(Bytes(path).find("(1,0,1,0,\u03a9,,T,F,F)"), std::string::npos);
}

TEST_F(ShowToolTest, BuildFailuresLeaveTheOutputAlone) {
    const std::string output = PathOf("out.kss");
    Put(output, "before");
    Put(PathOf("bad.json"), R"({"Musical": {"Delay": "5"}})");
    const struct {
        std::vector<std::string> args;
        std::string input;
        int code;
        std::string message;
    } cases[] = {
        {{"build", PathOf("bad.json"), "-o", output},
         "",
         ExitCode::NotAShow,
         PathOf("bad.json") +
             ": Musical.Delay: expected an integer from -2147483648 to 2147483647, found a string"},
        {{"build", "-o", output},
         R"({"Main": {"List": ["a.kas"]}, "Mian": {}})",
         ExitCode::NotAShow,
         "standard input: unknown key \"Mian\"; the keys of a show are Background, Startup, Main, "
         "Musical, InteractiveGroups, Shutdown, StartupType, StartupTrigger, PreloadSequences"},
        {{"build", "-o", output}, "{\"Main\": ", ExitCode::NotAShow, "standard input: parse error"},
        {{"build", PathOf("none.json"), "-o", output},
         "",
         ExitCode::CannotRead,
         "cannot read " + PathOf("none.json") + ": no such file"},
        {{"build", "-o", PathOf("no/such/folder/out.kss")},
         "{}",
         ExitCode::CannotWrite,
         "unable to write to " + PathOf("no/such/folder/out.kss")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome outcome = RunTool(c.args, c.input);
        EXPECT_EQ(outcome.code, c.code);
        EXPECT_TRUE(OneLine(outcome.err));
        EXPECT_EQ(outcome.err.find("bwshowtool: " + c.message), 0u) << outcome.err;
        EXPECT_EQ(Bytes(output), "before");
    }
}

#ifndef _WIN32
// check lists its findings on standard output and resolves names against the sequence folder of
// the user's settings.
TEST_F(ShowToolTest, CheckResolvesNamesAgainstTheSettingsSequenceFolder) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> savedConfig =
        saved ? std::optional<std::string>(saved) : std::nullopt;
    setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1);
    Put(PathOf("config/Brightwave/registry.reg"),
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
        "\"NonAudioPath\"=\"" +
            PathOf("seq") + "\"\r\n");
    Put(PathOf("seq/here.kas"), "x");

    Show show;
    for (const PlaylistPtr& playlist :
         {show.Background(), show.Startup(), show.Main(), show.Musical(), show.Shutdown()})
        playlist->List() = {"here.kas"};
    show.InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>());
    show.InteractiveGroups()->back()->AddTriggeredSequences(std::make_shared<TriggeredSequences>());
    show.InteractiveGroups()->back()->GetTriggeredSequences(0)->AddSequence("\\here.kas");
    show.InteractiveGroups()->back()->GetTriggeredSequences(0)->SetTrig(
        std::make_shared<Trigger>());
    const Outcome clean = RunTool({"check", WriteShow("clean.kss", show)});
    EXPECT_EQ(clean.code, ExitCode::Success);
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.err, "");

    show.Musical()->List().push_back("gone.kms");
    const Outcome findings = RunTool({"check", WriteShow("findings.kss", show)});
    EXPECT_EQ(findings.code, ExitCode::Findings);
    EXPECT_EQ(findings.out, "Musical section, entry 2: sequence file not found: \"gone.kms\" "
                            "(looked for \"" +
                                PathOf("seq/gone.kms") + "\")\n");
    EXPECT_EQ(findings.err, "");

    if (savedConfig)
        setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
#endif
