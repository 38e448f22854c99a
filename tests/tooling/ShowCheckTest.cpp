#include "tooling/ShowCheck.h"
#include "DataFile.h"
#include "TemporaryFolder.h"
#include "tooling/ShowJson.h"

#include <gtest/gtest.h>

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
        std::string found;
        for (const std::string& finding : ShowCheck::CheckShow(*show, Folder()))
            found += finding + '\n';
        EXPECT_EQ(found, CheckFile(name + ".txt")) << name;
    }
}
