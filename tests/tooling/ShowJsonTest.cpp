#include "tooling/ShowJson.h"
#include "ShowGenerator.h"
#include "model/InteractiveGroup.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

#include <random>

using namespace bw;
using namespace bw::ShowJson;
using ShowFunctions::ShowToText;

namespace {

ShowPtr Build(std::string_view json) {
    return ShowFromJson(ParseJson(json));
}

// The error that building from `json` raises; an empty error when it builds.
JsonError BuildError(std::string_view json) {
    try {
        Build(json);
    } catch (const JsonError& error) {
        return error;
    }
    return JsonError("", "");
}

constexpr std::string_view NewPlaylistTail = R"("CleanUp": "",
    "LightsOffAtEnd": true,
    "ShuffleAllowsBackToBack": false,
    "ShuffleWithReplacement": false,
    "List": [])";

} // namespace

// The whole layout of a new show, key by key: names, order, nesting and formatting.
TEST(ShowJson, NewShowDumpsEveryFieldInTabOrder) {
    const std::string animation = R"({
    "PlaylistType": 1,
    "AnimationType": %,
    "MusicalType": 0,
    "Delay": 0,
    )" + std::string(NewPlaylistTail) +
                                  "\n  }";
    const std::string musical = R"({
    "PlaylistType": 2,
    "AnimationType": 0,
    "MusicalType": 1,
    "Delay": 0,
    )" + std::string(NewPlaylistTail) +
                                "\n  }";
    auto withType = [&](char type) {
        std::string text = animation;
        text[text.find('%')] = type;
        return text;
    };
    const std::string expected =
        "{\n  \"Background\": " + withType('2') + ",\n  \"Startup\": " + musical +
        ",\n  \"Main\": " + withType('1') + ",\n  \"Musical\": " + musical +
        ",\n  \"InteractiveGroups\": [],\n  \"Shutdown\": " + musical +
        ",\n  \"StartupType\": 0,\n  \"StartupTrigger\": null,\n"
        "  \"PreloadSequences\": false\n}\n";
    EXPECT_EQ(ShowToJsonText(Show()), expected);
}

TEST(ShowJson, GroupsEntriesAndTriggersUnderTheirPropertyNames) {
    Show show;
    auto group = std::make_shared<InteractiveGroup>();
    group->SetIndependent(true);
    group->SetInterruptible(true);
    group->SetMusicalAllowed(false);
    group->SetName("Yard \xe2\x82\xac");
    group->SetDescription("two\r\nlines");
    group->SetLightsOffAtEnd(false);
    group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(3, 16, 512, "Gate"), {"a.kas", "b (1).kas"}));
    show.InteractiveGroups()->push_back(group);
    show.SetStartupType(2);
    show.SetStartupTrigger(TriggerFunctions::NewTrigger(1, 2, 3, ""));
    show.SetPreloadSequences(true);

    const Json json = ShowToJson(show);
    const Json expectedGroup = Json::parse(R"({
        "Name": "Yard \u20ac", "TypeName": "Magic Toy", "Description": "two\r\nlines",
        "Independent": true, "Interruptible": true, "MusicalAllowed": false,
        "LightsOffAtEnd": false,
        "TriggeredSequences": [{
            "Trig": {"Network": 3, "UnitId": 16, "InputNumber": 512, "Name": "Gate"},
            "Sequences": ["a.kas", "b (1).kas"]}]})");
    EXPECT_EQ(json["InteractiveGroups"], Json::array({expectedGroup}));
    EXPECT_EQ(json["StartupType"], 2);
    EXPECT_EQ(json["StartupTrigger"],
              Json::parse(R"({"Network": 1, "UnitId": 2, "InputNumber": 3, "Name": ""})"));
    EXPECT_EQ(json["PreloadSequences"], true);
    // Text stays UTF-8 rather than \u escapes, so that names read as they are.
    EXPECT_NE(ShowToJsonText(show).find("\"Yard \xe2\x82\xac\""), std::string::npos);
}

// Missing keys take the values of a new show, group, entry or trigger.
TEST(ShowJson, MissingKeysTakeNewShowValues) {
    const std::string newShow = ShowToText(Show());
    EXPECT_EQ(ShowToText(*Build("{}")), newShow);
    EXPECT_EQ(ShowToText(*Build(R"({"Background": {}, "Musical": {}, "StartupTrigger": null})")),
              newShow);

    const ShowPtr show = Build(R"({
        "Musical": {"Delay": 7, "List": ["x.kms"]},
        "InteractiveGroups": [{"TriggeredSequences": [{"Trig": {}, "Sequences": ["a.kas"]}]}],
        "StartupTrigger": {"InputNumber": 4}})");
    EXPECT_EQ(ShowToText(*show), "((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),"
                                 "(0,1,2,7,,(x.kms),T,F,F),,(2,0,1,0,,,T,F,F),"
                                 "(( 1,,F,F,T,,((a.kas,( 0,, 0, 0))),T)), 0,( 4,, 0, 0),F)");
    EXPECT_EQ(show->InteractiveGroups()->at(0)->TypeName(), "Jukebox");
}

// Whatever build accepts, dump gives back: values the editor would not offer included.
TEST(ShowJson, AcceptedValuesComeBackUnchanged) {
    const Json input = Json::parse(R"json({
        "Background": {"PlaylistType": 1, "AnimationType": -7, "MusicalType": 0, "Delay": 0,
                       "CleanUp": "c.kas", "LightsOffAtEnd": false,
                       "ShuffleAllowsBackToBack": true, "ShuffleWithReplacement": true,
                       "List": ["", "(,*)", "\u00e9\u20ac"]},
        "Startup": {"PlaylistType": 2, "AnimationType": 0, "MusicalType": 2147483647,
                    "Delay": -2147483648, "CleanUp": "", "LightsOffAtEnd": true,
                    "ShuffleAllowsBackToBack": false, "ShuffleWithReplacement": false,
                    "List": []},
        "InteractiveGroups": [{"Name": "", "TypeName": "Interactive Group", "Description": "",
                               "Independent": true, "Interruptible": false,
                               "MusicalAllowed": true, "LightsOffAtEnd": true,
                               "TriggeredSequences": [
            {"Trig": {"Network": -1, "UnitId": 300, "InputNumber": 0, "Name": "x"},
             "Sequences": ["a.kas", "a.kas"]}]}],
        "StartupType": 9,
        "StartupTrigger": {"Network": 0, "UnitId": 0, "InputNumber": 0, "Name": ""},
        "PreloadSequences": true})json");
    const Json output = ShowToJson(*ShowFromJson(input));
    for (const auto& [key, value] : input.items())
        EXPECT_EQ(output[key], value) << key;
}

// Each refusal names the place and says what was expected.
TEST(ShowJson, BuildRefusesWhatItCannotHoldAndSaysWhere) {
    const std::string entry = R"({"Trig": {}, "Sequences": ["a.kas"]})";
    const struct {
        std::string json;
        std::string path;
        std::string problem;
    } cases[] = {
        {R"([])", "", "expected an object (a show), found an array"},
        {R"({"Backround": {}})", "", "unknown key \"Backround\"; the keys of a show are"},
        {R"({"Musical": {"Dealy": 5}})", "Musical",
         "unknown key \"Dealy\"; the keys of a playlist"},
        {R"({"InteractiveGroups": [{"TriggeredSequences": [{"Trig": {"Unit": 1}}]}]})",
         "InteractiveGroups[0].TriggeredSequences[0].Trig", "unknown key \"Unit\""},
        {R"({"Musical": {"Delay": "5"}})", "Musical.Delay",
         "expected an integer from -2147483648 to 2147483647, found a string"},
        {R"({"Musical": {"Delay": 2147483648}})", "Musical.Delay", "found the number 2147483648"},
        {R"({"Musical": {"Delay": -2147483649}})", "Musical.Delay", "found the number -2147483649"},
        {R"({"Musical": {"Delay": 1.5}})", "Musical.Delay", "found the number 1.5"},
        {R"({"StartupType": null})", "StartupType", "found null"},
        {R"({"Main": {"LightsOffAtEnd": 1}})", "Main.LightsOffAtEnd",
         "expected true or false, found the number 1"},
        {R"({"Main": {"List": "a.kas"}})", "Main.List", "expected an array of strings"},
        {R"({"Main": {"List": ["a.kas", 2]}})", "Main.List[1]", "expected a string"},
        {R"({"Main": {"CleanUp": null}})", "Main.CleanUp", "expected a string, found null"},
        {R"({"Main": []})", "Main", "expected an object (a playlist), found an array"},
        {R"({"Background": {"PlaylistType": 2}})", "Background.PlaylistType",
         "expected 1, the type of the Background section, found 2"},
        {R"({"Shutdown": {"PlaylistType": 1}})", "Shutdown.PlaylistType",
         "expected 2, the type of the Shutdown section, found 1"},
        {R"({"Musical": {"AnimationType": 2}})", "Musical.AnimationType",
         "expected 0, as a musical playlist has no AnimationType, found 2"},
        {R"({"Main": {"MusicalType": 1}})", "Main.MusicalType", "expected 0"},
        {R"({"Main": {"Delay": 3}})", "Main.Delay", "an animation playlist has no Delay"},
        {R"({"InteractiveGroups": {}})", "InteractiveGroups",
         "expected an array of interactive groups, found an object"},
        {R"({"InteractiveGroups": [{"Name": "x"}]})", "InteractiveGroups[0]",
         "no TriggeredSequences"},
        {R"({"InteractiveGroups": [{"TriggeredSequences": []}]})",
         "InteractiveGroups[0].TriggeredSequences", "expected at least one entry"},
        {R"({"InteractiveGroups": [{"TriggeredSequences": [{"Sequences": ["a"]}]}]})",
         "InteractiveGroups[0].TriggeredSequences[0]", "no Trig"},
        {R"({"InteractiveGroups": [{"TriggeredSequences": [{"Trig": null, "Sequences": ["a"]}]}]})",
         "InteractiveGroups[0].TriggeredSequences[0].Trig", "found null"},
        {R"({"InteractiveGroups": [{"TriggeredSequences": [{"Trig": {}}]}]})",
         "InteractiveGroups[0].TriggeredSequences[0]", "no Sequences"},
        {R"({"InteractiveGroups": [{"TriggeredSequences": [{"Trig": {}, "Sequences": []}]}]})",
         "InteractiveGroups[0].TriggeredSequences[0].Sequences", "expected at least one"},
        {R"({"InteractiveGroups": [)" + entry + "]}", "InteractiveGroups[0]",
         "unknown key \"Trig\"; the keys of an interactive group"},
        {R"({"InteractiveGroups": [{"TypeName": "Soundboard", "TriggeredSequences": [)" + entry +
             "]}]}",
         "InteractiveGroups[0].TypeName",
         "\"Soundboard\" does not match Independent false and Interruptible false, which make "
         "\"Jukebox\""},
        {R"({"StartupTrigger": 5})", "StartupTrigger",
         "expected an object (a trigger) or null for none, found the number 5"},
        {R"({"StartupTrigger": {"Name": 5}})", "StartupTrigger.Name", "expected a string"},
        // Refused while parsing.
        {R"({"Main": {}, "Main": {}})", "", "the key \"Main\" appears more than once"},
        {R"({"InteractiveGroups": [)" + entry + ", " + R"({"Trig": {"UnitId": 1, "UnitId": 2}}]})",
         "InteractiveGroups[1].Trig", "the key \"UnitId\" appears more than once"},
        {R"({"Main": {"List": [[], {"a": 1, "a": 2}]}})", "Main.List[1]",
         "the key \"a\" appears more than once"},
        {"{\"Main\": {\n  \"List\": [\"a\",]}}", "", "parse error at line 2, column"},
        {"{\"Main\": {\"CleanUp\": \"caf\xe9\"}}", "", "invalid string: ill-formed UTF-8 byte"},
        {"", "", "unexpected end of input"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const JsonError error = BuildError(c.json);
        EXPECT_EQ(error.Path(), c.path);
        EXPECT_NE(error.Problem().find(c.problem), std::string::npos) << error.Problem();
        EXPECT_EQ(std::string(error.what()),
                  c.path.empty() ? error.Problem() : c.path + ": " + error.Problem());
    }
}

// dump and then build gives the same show text for every show the editor can make, and for the
// values beyond what it offers that a show file can still hold.
TEST(ShowJsonProperty, RandomShowsSurviveDumpAndBuild) {
    test::ShowGenerator generator(20240607);
    std::mt19937 random(99);
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 2000; ++i) {
        const ShowPtr show = generator.RandomShow();
        // What files may carry but the editor does not make: other option values, groups of the
        // fourth type.
        if (i % 3 == 0) {
            show->Main()->SetAnimationType(between(-3, 9));
            show->Musical()->SetMusicalType(between(-3, 9));
            for (const InteractiveGroupPtr& group : *show->InteractiveGroups())
                if (between(0, 1) == 1) {
                    group->SetIndependent(true);
                    group->SetInterruptible(false);
                }
        }
        const std::string dumped = ShowToJsonText(*show);
        const ShowPtr built = ShowFromJson(ParseJson(dumped));
        ASSERT_EQ(ShowToText(*built), ShowToText(*show)) << dumped;
        ASSERT_EQ(ShowToJsonText(*built), dumped);
    }
}
