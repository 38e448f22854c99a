#include "DataFile.h"
#include "DocumentedErrors.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/PlaylistFunctions.h"
#include "model/SequenceUtils.h"
#include "model/Show.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <array>
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

// Two entries, the first with two files; interruptible, no musicals.
InteractiveGroup Door() {
    return *InteractiveGroupFromText(
        "( 2,front door,F,T,F,Door,((a,( 1,input 1, 1, 0),b),(c,( 2,input 2, 1, 0))),T)");
}

// Playlist type, animation type, musical type, delay.
std::array<int, 4> OptionsOf(const Playlist& playlist) {
    return {playlist.PlaylistType(), playlist.AnimationType(), playlist.MusicalType(),
            playlist.Delay()};
}

std::vector<int> Numbers(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<int>(in), std::istream_iterator<int>()};
}

} // namespace

TEST(InteractiveGroup, TypeTextsFollowTheFlags) {
    InteractiveGroup group;
    EXPECT_EQ(group.TypeName() + group.TypeDesc(), "");
    // Independent, interruptible: type name and the file of its description. The unnamed fourth
    // type keeps the description it had: here the one of the row before.
    // clang-format off
    const std::tuple<bool, bool, const char*, const char*> cases[] = {
        {false, true, "Soundboard", "soundboard"}, {true, true, "Magic Toy", "magic-toy"},
        {false, false, "Jukebox", "jukebox"},      {true, false, "Interactive Group", "jukebox"}};
    // clang-format on
    for (const auto& [independent, interruptible, name, description] : cases) {
        group.SetIndependent(independent);
        group.SetInterruptible(interruptible);
        EXPECT_EQ(group.TypeName() + group.TypeDesc(),
                  name + test::DataFile("model/descriptions/" + std::string(description) + ".txt"));
    }
}

TEST(TriggeredSequences, RoundRobinAndSequenceAccess) {
    TriggeredSequences entry;
    entry.SetSequences({"a", "b", "c"});
    std::vector<int> order;
    for (int i = 0; i < 5; ++i)
        order.push_back(entry.RoundRobinIndex());
    // The next would be 2; after the list shrinks to two names it starts over.
    entry.SetSequences({"a", "b"});
    for (int i = 0; i < 3; ++i)
        order.push_back(entry.RoundRobinIndex());
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 0, 1, 0, 1, 0}));

    entry.SetSequence(1, "B");
    EXPECT_EQ(entry.Sequence(1), "B");
    for (int index : {-1, 2})
        EXPECT_EQ(ErrorNumberOf([&] { entry.Sequence(index); }), 9) << index;
    EXPECT_EQ(ErrorNumberOf([&] { entry.SetSequence(2, "x"); }), 9);
}

TEST(Playlist, OptionsFollowTheType) {
    EXPECT_EQ(Playlist(), *NewAnimationPlaylist(1));
    Playlist playlist = *NewMusicalPlaylist(2, 7);
    EXPECT_EQ(OptionsOf(playlist), (std::array{2, 0, 2, 7}));
    playlist.SetAnimationType(2); // ignored on a musical playlist
    playlist.SetPlaylistType(2);  // same type: nothing is reset
    EXPECT_EQ(OptionsOf(playlist), (std::array{2, 0, 2, 7}));
    playlist.SetPlaylistType(1);
    playlist.SetDelay(9);       // ignored on an animation playlist
    playlist.SetMusicalType(2); // likewise
    EXPECT_EQ(OptionsOf(playlist), (std::array{1, 1, 0, 0}));
    playlist.SetPlaylistType(2);
    EXPECT_EQ(OptionsOf(playlist), (std::array{2, 0, 1, 0}));
    playlist.SetPlaylistType(3); // neither type: stored, and no option can be set
    playlist.SetDelay(4);
    playlist.SetAnimationType(2);
    EXPECT_EQ(OptionsOf(playlist), (std::array{3, 0, 1, 0}));
}

TEST(Trigger, SameTriggerWhatEverItsName) {
    const TriggerPtr a = NewTrigger(1, 2, 3, "front");
    EXPECT_TRUE(a->Equals(NewTrigger(1, 2, 3, "back")));
    EXPECT_FALSE(*a == *NewTrigger(1, 2, 3, "back") || a->Equals(nullptr));
    for (const TriggerPtr& other :
         {NewTrigger(0, 2, 3, "front"), NewTrigger(1, 3, 3, "front"), NewTrigger(1, 2, 4, "front")})
        EXPECT_FALSE(a->Equals(other) || *a == *other) << TriggerToText(other);
    Trigger copy;
    copy.Copy(*a);
    EXPECT_EQ(copy, *a);
}

TEST(InteractiveGroup, EqualityAndCopyAreDeep) {
    const InteractiveGroup source = Door();
    EXPECT_EQ(Door(), source);
    // One change per field, each must be seen; an entry without a trigger too.
    for (const auto& row : test::DataRows("model/changed-groups.txt")) {
        const InteractiveGroup changed = *InteractiveGroupFromText(row[0]);
        EXPECT_FALSE(changed == source || source == changed) << row[0];
    }
    InteractiveGroup noTrigger = Door();
    noTrigger.GetTriggeredSequences(1)->SetTrig(nullptr);
    EXPECT_FALSE(noTrigger == source || source == noTrigger);

    EXPECT_TRUE(source.Triggered(NewTrigger(0, 1, 2, "another name")));
    EXPECT_FALSE(source.Triggered(NewTrigger(1, 1, 2, "")));
    InteractiveGroup copy;
    copy.AddTriggeredSequences(NewTriggeredSequences(NewTrigger(0, 1, 9, ""), {"old"}));
    copy.Copy(source);
    EXPECT_EQ(copy, source);
    // The copy holds entries and triggers of its own.
    EXPECT_NE(copy.GetTriggeredSequences(0)->Trig(), source.GetTriggeredSequences(0)->Trig());
    copy.Copy(copy); // a group copied onto itself keeps its entries
    EXPECT_EQ(copy, source);

    InteractiveGroup broken;
    broken.AddTriggeredSequences(NewTriggeredSequences(nullptr, {"x"}));
    EXPECT_EQ(ErrorNumberOf([&] { copy.Copy(broken); }), 91);
}

TEST(Show, EqualityComparesEveryPartByContent) {
    const auto make = [] {
        Show show;
        show.Musical()->List().push_back("song.kms");
        auto group = std::make_shared<InteractiveGroup>();
        group->SetName("Door");
        show.InteractiveGroups()->push_back(group);
        show.SetStartupTrigger(TriggerFunctions::NewTrigger(1, 2, 3, "t"));
        return show;
    };
    const Show reference = make();
    EXPECT_EQ(make(), reference);
    const std::function<void(Show&)> changes[] = {
        [](Show& s) { s.Startup()->SetLightsOffAtEnd(false); },
        [](Show& s) { s.Shutdown()->List().push_back("x"); },
        [](Show& s) { s.Main()->SetAnimationType(2); },
        [](Show& s) { s.Musical()->List().clear(); },
        [](Show& s) { s.Background()->SetCleanUp("c"); },
        [](Show& s) { s.SetMain(nullptr); },
        [](Show& s) { s.InteractiveGroups()->front()->SetName("door"); },
        [](Show& s) { s.InteractiveGroups()->push_back(nullptr); },
        [](Show& s) { s.SetStartupType(2); },
        [](Show& s) { s.StartupTrigger()->SetInputNumber(4); },
        [](Show& s) { s.SetStartupTrigger(nullptr); },
        [](Show& s) { s.SetPreloadSequences(true); },
        [](Show& s) { s.Monitoring()->SetScheduleType(1); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        Show changed = make();
        changes[i](changed);
        EXPECT_FALSE(changed == reference || reference == changed) << "change " << i;
    }
    // Monitoring is never absent: none given, the show makes a new one.
    Show show;
    const auto event = std::make_shared<MonitoredShowEvent>();
    show.SetMonitoring(event);
    EXPECT_EQ(show.Monitoring(), event);
    show.SetMonitoring(nullptr);
    EXPECT_TRUE(show.Monitoring() && show.Monitoring() != event);
}

TEST(ModelText, ReadsAndWritesTheTableOfTexts) {
    // Each reading gets the text and the numbers in it.
    using Text = const std::string&;
    using Ints = const std::vector<int>&;
    const std::map<std::string, std::function<std::string(Text, Ints)>> rewrite = {
        {"trigger", [](Text t, Ints) { return TriggerToText(TriggerFromText(t)); }},
        {"playlist", [](Text t, Ints) { return PlaylistToText(PlaylistFromText(t)); }},
        {"group",
         [](Text t, Ints) { return InteractiveGroupToText(*InteractiveGroupFromText(t)); }},
        {"entry",
         [](Text t, Ints) { return TriggeredSequencesToText(*TriggeredSequencesFromText(t)); }},
        {"display name", [](Text, Ints n) { return TriggerDisplayName(n[0], n[1], n[2]); }},
        {"network name", [](Text t, Ints) { return SequenceUtils::NetworkName(std::stoi(t)); }},
        {"unit id", [](Text, Ints n) {
             return SequenceUtils::UnitIdText(n[0], n[1] != 0, static_cast<std::uint8_t>(n[2]));
         }}};
    for (const auto& row : test::DataRows("model/texts.txt"))
        EXPECT_EQ(test::TextOrError([&] { return rewrite.at(row[0])(row[1], Numbers(row[1])); }),
                  row[2])
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
