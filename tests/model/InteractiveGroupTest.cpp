#include "DocumentedErrors.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <functional>

using namespace bw;
using namespace bw::InteractiveGroupFunctions;
using namespace bw::TriggeredSequencesFunctions;
using bw::test::ErrorNumberOf;
using bw::TriggerFunctions::NewTrigger;

namespace {

TriggeredSequencesPtr Entry(int input, std::vector<std::string> files) {
    return NewTriggeredSequences(NewTrigger(0, 1, input, "input " + std::to_string(input)), files);
}

InteractiveGroup Door() {
    InteractiveGroup door;
    door.SetName("Door");
    door.SetDescription("front door");
    door.SetInterruptible(true);
    door.SetMusicalAllowed(false);
    door.AddTriggeredSequences(Entry(1, {"a", "b"}));
    door.AddTriggeredSequences(Entry(2, {"c"}));
    return door;
}

} // namespace

TEST(InteractiveGroup, TypeTextsFollowTheFlags) {
    InteractiveGroup group;
    EXPECT_EQ(group.TypeName() + group.TypeDesc(), "");
    using namespace GroupTypeTexts;
    // Independent, interruptible: type name and description. The unnamed fourth type keeps the
    // description it had: here the one of the row before.
    // clang-format off
    const std::tuple<bool, bool, const char*, const char*> cases[] = {
        {false, true, "Soundboard", SoundboardDescription}, {true, true, "Magic Toy", MagicToyDescription},
        {false, false, "Jukebox", JukeboxDescription},      {true, false, "Interactive Group", JukeboxDescription}};
    // clang-format on
    for (const auto& [independent, interruptible, name, description] : cases) {
        group.SetIndependent(independent);
        group.SetInterruptible(interruptible);
        EXPECT_EQ(group.TypeName() + group.TypeDesc(), std::string(name) + description);
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
    EXPECT_EQ(ErrorNumberOf([&] { entry.Sequence(2); }) + ErrorNumberOf([&] {
                  entry.Sequence(-1);
              }) + ErrorNumberOf([&] { entry.SetSequence(2, "x"); }),
              27);
}

TEST(InteractiveGroup, EqualityAndCopyAreDeep) {
    const InteractiveGroup source = Door();
    EXPECT_EQ(Door(), source);
    // One change per field, each must be seen.
    const std::function<void(InteractiveGroup&)> changes[] = {
        [](InteractiveGroup& g) { g.SetName("door"); },
        [](InteractiveGroup& g) { g.SetDescription(""); },
        [](InteractiveGroup& g) { g.SetIndependent(true); },
        [](InteractiveGroup& g) { g.SetInterruptible(false); },
        [](InteractiveGroup& g) { g.SetMusicalAllowed(true); },
        [](InteractiveGroup& g) { g.SetLightsOffAtEnd(false); },
        [](InteractiveGroup& g) { g.DeleteTriggeredSequence(1); },
        [](InteractiveGroup& g) { g.GetTriggeredSequences(0)->SetSequence(1, "x"); },
        [](InteractiveGroup& g) { g.GetTriggeredSequences(1)->Trig()->SetUnitId(2); },
        [](InteractiveGroup& g) { g.GetTriggeredSequences(1)->Trig()->SetName(""); },
        [](InteractiveGroup& g) { g.GetTriggeredSequences(1)->SetTrig(nullptr); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        InteractiveGroup changed = Door();
        changes[i](changed);
        EXPECT_FALSE(changed == source || source == changed) << "change " << i;
    }

    EXPECT_TRUE(source.Triggered(NewTrigger(0, 1, 2, "another name")));
    EXPECT_FALSE(source.Triggered(NewTrigger(1, 1, 2, "")));
    InteractiveGroup copy;
    copy.AddTriggeredSequences(Entry(9, {"old"}));
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

// The exact text of a group is pinned by the show text data files, reading odd texts by the
// model text table.
TEST(InteractiveGroupText, WritesAndReadsGroupsAndEntries) {
    EXPECT_EQ(*InteractiveGroupFromText(InteractiveGroupToText(Door())), Door());
    EXPECT_EQ(ErrorNumberOf([] { InteractiveGroupToText(InteractiveGroup()); }), 9);
    // The trigger stands second.
    EXPECT_EQ(TriggeredSequencesToText(*Entry(4, {"a.kas", "b (1).kas", "c,d.kas"})),
              "(a.kas,( 4,input 4, 1, 0),b *O1*C.kas,c*Sd.kas)");
    EXPECT_EQ(ErrorNumberOf([] { TriggeredSequencesToText(TriggeredSequences()); }), 9);
    EXPECT_EQ(
        ErrorNumberOf([] { TriggeredSequencesToText(*NewTriggeredSequences(nullptr, {"a"})); }),
        91);
}
