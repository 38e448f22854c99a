#include "tooling/ShowJson.h"
#include "showfile/ShowFunctions.h"

#include "DataFile.h"
#include "ShowGenerator.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::ShowJson;
using ShowFunctions::ShowToText;
using test::DataFile;

namespace {

ShowPtr Build(std::string_view json) {
    return ShowFromJson(ParseJson(json));
}

} // namespace

// The whole layout, key by key: names, order, nesting and formatting, UTF-8 left as it is; and
// whatever build accepts, dump gives back, values the editor would not offer included.
TEST(ShowJson, DumpGivesBackWhatBuildAccepted) {
    EXPECT_EQ(ShowToJsonText(Show()), DataFile("tooling/new-show.json"));
    const std::string group = DataFile("tooling/show-with-group.json");
    EXPECT_EQ(ShowToJsonText(*Build(group)), group);
    const Json input = Json::parse(DataFile("tooling/accepted-values.json"));
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
        ASSERT_TRUE(*Build(json) == *show) << json;
    }
}

// Missing keys take the values of a new show, group, entry or trigger: missing-keys.json builds
// the show of missing-keys.txt.
TEST(ShowJson, MissingKeysTakeNewShowValues) {
    EXPECT_TRUE(*Build(R"({"Background": {}, "Musical": {}, "StartupTrigger": null})") == Show());
    const ShowPtr show = Build(DataFile("tooling/missing-keys.json"));
    EXPECT_EQ(ShowToText(*show) + "\n", DataFile("tooling/missing-keys.txt"));
    EXPECT_EQ(show->InteractiveGroups()->at(0)->TypeName(), "Jukebox");
}

// Each refusal names the place and says what was expected.
TEST(ShowJson, BuildRefusesWhatItCannotHoldAndSaysWhere) {
    for (const auto& row : test::DataRows("tooling/refusals.txt")) {
        const std::string json = test::Unescaped(row[0]), &path = row[1], &problem = row[2];
        SCOPED_TRACE(json);
        JsonError error("", "");
        try {
            Build(json);
        } catch (const JsonError& raised) {
            error = raised;
        }
        EXPECT_EQ(error.Path(), path);
        EXPECT_NE(error.Problem().find(problem), std::string::npos) << error.Problem();
        EXPECT_EQ(std::string(error.what()),
                  path.empty() ? error.Problem() : path + ": " + error.Problem());
    }
}
