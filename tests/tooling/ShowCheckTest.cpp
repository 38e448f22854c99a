#include "tooling/ShowCheck.h"
#include "DataFile.h"
#include "TemporaryFolder.h"
#include "tooling/ShowJson.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bw;

namespace {

class ShowCheckTest : public test::TemporaryFolder {
protected:
    void SetUp() override {
        TemporaryFolder::SetUp();
        for (const char* name : {"a.kas", "b.kas", "song.kms", "LOUD.KMS", "clean.kas"})
            Put(PathOf(name), "x");
    }
    // A data file with "<folder>" standing for the sequence folder.
    std::string CheckFile(const std::string& name) const {
        std::string text = test::DataFile("tooling/check/" + name);
        for (size_t at; (at = text.find("<folder>")) != std::string::npos;)
            text.replace(at, 8, Folder());
        return text;
    }
};

} // namespace

// Each check/NAME.json is a show whose findings are the lines of check/NAME.txt, in tab order.
// A trigger used twice inside one group is the group editor's business, not a shared trigger;
// what counts is network, unit and input, never the name.
TEST_F(ShowCheckTest, FindingsInTabOrder) {
    for (const std::string name : {"clean", "every-kind", "shared-triggers"}) {
        const ShowPtr show = ShowJson::ShowFromJson(ShowJson::ParseJson(CheckFile(name + ".json")));
        std::istringstream lines(CheckFile(name + ".txt"));
        std::vector<std::string> expected;
        for (std::string line; std::getline(lines, line);)
            expected.push_back(line);
        EXPECT_EQ(ShowCheck::CheckShow(*show, Folder()), expected) << name;
    }
}

// What the file's encoding tells: damaged names, a UTF-8 file with characters beyond ASCII (not
// one whose mark stands before ASCII alone), and a code page file whose bytes read as UTF-8 too.
TEST(ShowCheck, EncodingFindings) {
    using enum TextEncoding::Encoding;
    const std::string utf8 = "Show file is written in UTF-8 (for \"\xC5\x81\", \"\xC3\xB3\"), "
                             "which the editor on Windows does not read: names with these "
                             "characters will be wrong there";
    const std::string notUtf8 =
        " holds bytes that are not UTF-8 (shown as \\xHH), kept as they are";
    const std::string alsoUtf8 = "Show file has no byte order mark and was read in the code page, "
                                 "but its bytes also read as UTF-8 (";
    const std::string markAdvice =
        "): if an earlier BWShow on Linux saved it in UTF-8, put the byte order mark EF BB BF at "
        "its start";
    // clang-format off
    const std::tuple<std::string, TextEncoding::Encoding, std::vector<std::string>> cases[] = {
        {"(plain, 1,T)", Utf8, {}},
        {"(\xC5\x81\xC3\xB3,\xC3\xB3)", Utf8, {utf8}},
        {"(\xC5\x81\xC3\xB3,Caf\xE9,new\nline\xC3)", Utf8,
         {"Name \"Caf\\xE9\"" + notUtf8, "Name \"new\\x0Aline\\xC3\"" + notUtf8, utf8}},
        {"(x\xC2\x81)", AnsiCodePage, {"Name \"x\\x81\" holds bytes that the code page does not define (shown as \\xHH), kept as they are"}},
        {"(Caf\xC3\xA9,Gro\xC3\x9F\xE2\x80\x99 Lichter.kas)", AnsiCodePage,
         {alsoUtf8 + "\"Gro\xC3\x9F\xE2\x80\x99 Lichter.kas\" would be \"Gro\xDF\x92 Lichter.kas\"" + markAdvice}},
        {"(Caf\xC3\xA9,new\nline)", AnsiCodePage, {}}};
    // clang-format on
    for (const auto& [text, encoding, findings] : cases)
        EXPECT_EQ(ShowCheck::EncodingFindings(text, encoding), findings) << text;
}
