#include "DataFile.h"
#include "DocumentedErrors.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/PlaylistFunctions.h"
#include "model/SequenceUtils.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <map>
#include <sstream>

using namespace bw;
using namespace bw::InteractiveGroupFunctions;
using namespace bw::PlaylistFunctions;
using namespace bw::TriggerFunctions;
using namespace bw::TriggeredSequencesFunctions;
using bw::test::ErrorNumberOf;

namespace {

// The numbers in a text, blank-separated.
std::vector<int> Numbers(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<int>(in), std::istream_iterator<int>()};
}

} // namespace

TEST(ModelText, ReadsAndWritesTheTableOfTexts) {
    const std::map<std::string, std::function<std::string(const std::string&)>> rewrite = {
        {"trigger", [](const std::string& t) { return TriggerToText(TriggerFromText(t)); }},
        {"playlist", [](const std::string& t) { return PlaylistToText(PlaylistFromText(t)); }},
        {"group",
         [](const std::string& t) { return InteractiveGroupToText(*InteractiveGroupFromText(t)); }},
        {"entry",
         [](const std::string& t) {
             return TriggeredSequencesToText(*TriggeredSequencesFromText(t));
         }},
        {"display name",
         [](const std::string& t) {
             const std::vector<int> n = Numbers(t);
             return TriggerDisplayName(n[0], n[1], n[2]);
         }},
        {"network name",
         [](const std::string& t) { return SequenceUtils::NetworkName(std::stoi(t)); }},
        {"unit id", [](const std::string& t) {
             const std::vector<int> n = Numbers(t);
             return SequenceUtils::UnitIdText(n[0], n[1] != 0, static_cast<std::uint8_t>(n[2]));
         }}};
    for (const auto& row : test::DataRows("model/texts.txt"))
        EXPECT_EQ(test::TextOrError([&] { return rewrite.at(row[0])(row[1]); }), row[2])
            << row[0] << " " << row[1];
}

// Reading these back is in the table; the exact text of a group is pinned by the show text data
// files.
TEST(ModelText, WritesPartsBuiltInCode) {
    EXPECT_EQ(TriggerToText(NewTrigger(-1, 300, -5, "a,b")), "(-5,a*Sb, 300,-1)");
    PlaylistPtr musical = NewMusicalPlaylist(1, 5);
    musical->List() = {"C:\\Seq\\a.kms", "C:\\Seq\\b (2).kms"};
    EXPECT_EQ(PlaylistToText(musical), "(0,1,2,5,,(C:\\Seq\\a.kms,C:\\Seq\\b *O2*C.kms),T,F,F)");
    PlaylistPtr animation = NewAnimationPlaylist(2);
    animation->SetCleanUp("x,y*(z)");
    animation->SetLightsOffAtEnd(false);
    animation->SetShuffleWithReplacement(true);
    EXPECT_EQ(PlaylistToText(animation), "(2,0,1,0,x*Sy*E*Oz*C,,F,F,T)");
    // The trigger stands second.
    EXPECT_EQ(TriggeredSequencesToText(*NewTriggeredSequences(NewTrigger(0, 1, 4, "input 4"),
                                                              {"a.kas", "b (1).kas", "c,d.kas"})),
              "(a.kas,( 4,input 4, 1, 0),b *O1*C.kas,c*Sd.kas)");
    // An empty list text holds one empty name.
    EXPECT_EQ(PlaylistFromText("(1,0,1,0,,(),T,F,F)")->List(), std::vector<std::string>{""});

    const std::pair<std::function<void()>, int> unwritable[] = {
        {[] { TriggerToText(nullptr); }, 91},
        {[] { PlaylistToText(nullptr); }, 91},
        {[] { InteractiveGroupToText(InteractiveGroup()); }, 9},
        {[] { TriggeredSequencesToText(TriggeredSequences()); }, 9},
        {[] { TriggeredSequencesToText(*NewTriggeredSequences(nullptr, {"a"})); }, 91}};
    for (const auto& [write, number] : unwritable)
        EXPECT_EQ(ErrorNumberOf(write), number);
}
