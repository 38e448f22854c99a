// bwshowtool with show files and sequences named in scripts that Windows-1252 cannot hold: the
// names survive build, dump and check, and build and check say that Windows will not read the
// file.
#include "NonLatinNames.h"
#include "TemporaryFolder.h"
#include "tooling/ShowTool.h"

#include <sstream>
#include <vector>

using namespace bw;

namespace {

class NonLatinToolTest : public test::TemporaryFolder {};

// Everything the tool wrote, to standard output or error.
std::string RunTool(std::vector<std::string> args, const std::string& input = "") {
    std::vector<const char*> argv{"bwshowtool"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    ShowTool::Run(static_cast<int>(argv.size()), argv.data(), in, out, out);
    return out.str();
}

const std::string Finding = "Show file is written in UTF-8 (for ";

} // namespace

TEST_F(NonLatinToolTest, BuildDumpAndCheck_KeepTheNames) {
    std::vector<std::string> names(test::NonLatinNames.begin(), test::NonLatinNames.end());
    names.push_back("Café"); // Windows-1252 holds it: nothing to report
    for (const std::string& name : names) {
        const std::string show = PathOf(name + ".kss");
        const std::string sequence = Folder() + name + "/" + name + ".kas";
        Put(sequence, "");
        const bool utf8 = name != "Café";
        const std::string built =
            RunTool({"build", "-o", show}, R"({"Main": {"List": [")" + sequence + R"("]}})");
        EXPECT_EQ(built.find(Finding) != std::string::npos, utf8) << built;
        EXPECT_NE(RunTool({"dump", show}).find("\"" + sequence + "\""), std::string::npos) << name;
        const std::string checked = RunTool({"check", show});
        EXPECT_EQ(checked.find("not found"), std::string::npos) << checked;
        EXPECT_EQ(checked.find(Finding) != std::string::npos, utf8) << name;
    }
    EXPECT_NE(RunTool({"check", PathOf(names[0] + ".kss")}).find(Finding + "\"Ś\", \"ą\"), which"),
              std::string::npos);
}
