// bwshowtool with show files and sequences named in scripts that Windows-1252 cannot hold: the
// names survive build, dump and check, and the check says that Windows will not read the file.
#include "NonLatinNames.h"
#include "TemporaryFolder.h"
#include "tooling/ShowTool.h"

#include <sstream>
#include <vector>

using namespace bw;

namespace {

class NonLatinToolTest : public test::TemporaryFolder {
protected:
    struct Outcome {
        int code;
        std::string out;
        std::string err;
    };

    static Outcome Run(std::vector<std::string> args, const std::string& input = "") {
        std::vector<const char*> argv{"bwshowtool"};
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        std::istringstream in(input);
        std::ostringstream out, err;
        const int code = ShowTool::Run(static_cast<int>(argv.size()), argv.data(), in, out, err);
        return {code, out.str(), err.str()};
    }
};

const std::string Finding = "Show file is written in UTF-8 (for ";

} // namespace

TEST_F(NonLatinToolTest, BuildDumpAndCheck_KeepTheNames) {
    std::vector<std::string> names(test::NonLatinNames.begin(), test::NonLatinNames.end());
    names.push_back("Café"); // Windows-1252 holds it: nothing to report
    for (const std::string& name : names) {
        const std::string show = PathOf(name + ".kss");
        const std::string sequence = Folder() + name + "/" + name + ".kas";
        Put(sequence, "");
        const Outcome built =
            Run({"build", "-o", show}, R"({"Main": {"List": [")" + sequence + R"("]}})");
        EXPECT_EQ(built.code, ShowTool::ExitCode::Success) << built.err;
        const bool utf8 = name != "Café";
        EXPECT_EQ(built.err.find(Finding) != std::string::npos, utf8) << name;

        EXPECT_NE(Run({"dump", show}).out.find("\"" + sequence + "\""), std::string::npos);
        const Outcome checked = Run({"check", show});
        EXPECT_EQ(checked.out.find("not found"), std::string::npos) << checked.out;
        EXPECT_EQ(checked.out.find(Finding) != std::string::npos, utf8) << name;
    }
    EXPECT_NE(Run({"check", PathOf(names[0] + ".kss")}).out.find(Finding + "\"Ś\", \"ą\"), which"),
              std::string::npos);
}
