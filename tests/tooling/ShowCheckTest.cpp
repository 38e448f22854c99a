#include "showcheck/ShowCheck.h"
#include "CheckTable.h"
#include "DataFile.h"
#include "TemporaryFolder.h"
#include "showfile/File.h"
#include "showfile/ShowFunctions.h"
#include "tooling/ShowTool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace bw;

namespace {

class ShowCheckTest : public test::TemporaryFolder {
protected:
    void SetUp() override {
        TemporaryFolder::SetUp();
        for (const std::string& name : test::CheckFolderFiles)
            Put(PathOf(name), "x");
    }
};

// A finding, expected or found, as a line of check/NAME.txt.
template <class Finding> std::string Line(const Finding& f, bool warning) {
    return std::to_string(static_cast<int>(f.section)) + " " + std::to_string(f.entry) + " " +
           (f.groupEntry < 0 ? "-" : std::to_string(f.groupEntry)) + (warning ? " W\t" : " P\t") +
           f.text;
}

} // namespace

// Each check/NAME.json is a show whose findings, with their places, are the lines of
// check/NAME.txt, in tab order. A trigger used twice inside one group is the group editor's
// business, not a shared one; what counts is network, unit and input, never the name; a startup
// trigger counts only when the show starts on it. bwshowtool check prints the same lines, the
// sequence folder taken from the settings, and exits with 3 exactly when it printed something.
TEST_F(ShowCheckTest, FindingsWithTheirPlacesInTabOrder) {
#ifndef _WIN32
    setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), 1);
    Put(PathOf("config/Brightwave/registry.reg"),
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n\"NonAudioPath\"=\"" +
            Folder() + "\"\r\n");
#endif
    for (const std::string& name : test::CheckShows) {
        const ShowPtr show = test::CheckShow(name, Folder());
        std::vector<std::string> expected, actual;
        std::string lines;
        for (const test::ExpectedFinding& finding : test::ExpectedFindings(name, Folder())) {
            expected.push_back(Line(finding, finding.warning));
            lines += finding.text + "\n";
        }
        for (const ShowCheck::Finding& finding : ShowCheck::CheckShow(*show, {Folder(), {}, {}}))
            actual.push_back(Line(finding, finding.severity == ShowCheck::Severity::Warning));
        EXPECT_EQ(actual, expected) << name;
#ifndef _WIN32
        if (name == "empty-group")
            continue;
        const std::string path = PathOf(name + ".kss");
        ASSERT_EQ(File::WriteWholeFile(path, ShowFunctions::ShowToText(*show)), 0);
        const char* argv[] = {"bwshowtool", "check", path.c_str()};
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(ShowTool::Run(3, argv, in, out, err),
                  lines.empty() ? ShowTool::ExitCode::Success : ShowTool::ExitCode::Findings);
        EXPECT_EQ(out.str() + "|" + err.str(), lines + "|") << name;
#endif
    }
}

// Every input in use, groups first and the startup trigger last, with conflicts marked on every
// use of the input, the trigger named; a startup trigger of a show that starts immediately is not
// in use.
TEST_F(ShowCheckTest, TriggerMapMarksInputsOfTwoUsers) {
    std::vector<std::vector<std::string>> actual;
    const auto n = [](int number) { return std::to_string(number) + " "; };
    for (const std::string name : {"plays-nothing", "clean", "shared-triggers"})
        for (const ShowCheck::TriggerUse& use :
             ShowCheck::TriggerMap(*test::CheckShow(name, Folder())))
            actual.push_back({name,
                              n(use.network) + n(use.unitId) + n(use.inputNumber) + n(use.group) +
                                  n(use.groupEntry) + (use.conflict ? "T" : "F"),
                              use.trigger, use.starts});
    EXPECT_EQ(actual, test::DataRows("check/trigger-map.txt"));
}

// What the file's encoding tells: damaged names, a UTF-8 file with characters beyond ASCII (not
// one whose mark stands before ASCII alone), and a code page file whose bytes read as UTF-8 too.
TEST(ShowCheck, EncodingFindings) {
    const Show empty;
    for (const auto& row : test::DataRows("check/encoding-findings.txt")) {
        const auto encoding =
            row[1] == "UTF-8" ? TextEncoding::Encoding::Utf8 : TextEncoding::Encoding::AnsiCodePage;
        std::vector<std::string> expected, found;
        for (const std::string& finding : test::Split(row[2], '|'))
            expected.push_back(test::Unescaped(finding));
        for (const ShowCheck::Finding& finding :
             ShowCheck::CheckShow(empty, {"", encoding, test::Unescaped(row[0])}))
            if (finding.section == ShowCheck::Section::ShowFile)
                found.push_back(finding.text);
        EXPECT_EQ(found, expected) << row[0];
    }
}
