#include "DocumentedErrors.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::InteractiveGroupFunctions;
using namespace bw::TriggeredSequencesFunctions;
using bw::test::ErrorNumberOf;
using bw::TriggerFunctions::NewTrigger;

namespace {

TriggeredSequencesPtr Entry(int input, std::vector<std::string> files) {
    return NewTriggeredSequences(NewTrigger(0, 1, input, "input " + std::to_string(input)), files);
}

} // namespace

TEST(InteractiveGroup, TypeTextsFollowTheFlags) {
    InteractiveGroup group;
    EXPECT_EQ(group.TypeName(), "");
    EXPECT_EQ(group.TypeDesc(), "");
    EXPECT_TRUE(group.MusicalAllowed());
    EXPECT_TRUE(group.LightsOffAtEnd());

    group.SetIndependent(true);
    EXPECT_EQ(group.TypeName(), "Interactive Group");
    EXPECT_EQ(group.TypeDesc(), "");
    group.SetInterruptible(true);
    EXPECT_EQ(group.TypeName(), "Magic Toy");
    EXPECT_EQ(group.TypeDesc(),
              "Any unit/circuit in this group can be associated with any number of sequences, "
              "all of which will play simultaneously whenever that Unit/circuit is triggered.  If "
              "any sequences from this group were already playing, they will immediately "
              "stop.\r\n\r\nOnly animation sequences can be used in this group - musical "
              "sequences cannot be used.");
    group.SetIndependent(false);
    EXPECT_EQ(group.TypeName(), "Soundboard");
    EXPECT_EQ(group.TypeDesc().substr(0, 69),
              "Only one sequence from this group can be playing at any given time.  ");
    EXPECT_NE(group.TypeDesc().find("more than once sequence"), std::string::npos);
    group.SetInterruptible(false);
    EXPECT_EQ(group.TypeName(), "Jukebox");
    EXPECT_NE(group.TypeDesc().find("the trigger will be ignored.\r\n\r\nIf a unit/circuit"),
              std::string::npos);
    // The unnamed fourth type keeps the description it had.
    group.SetIndependent(true);
    EXPECT_EQ(group.TypeName(), "Interactive Group");
    EXPECT_EQ(group.TypeDesc().substr(group.TypeDesc().size() - 20), "is already playing).");
}

TEST(TriggeredSequences, RoundRobinAndSequenceAccess) {
    TriggeredSequences entry;
    EXPECT_EQ(entry.RoundRobinIndex(), 0);
    EXPECT_EQ(entry.RoundRobinIndex(), 0);
    entry.SetSequences({"a", "b", "c"});
    std::vector<int> order;
    for (int i = 0; i < 5; ++i)
        order.push_back(entry.RoundRobinIndex());
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 0, 1}));
    // The next position is 2; after the list shrinks to two names it starts over.
    entry.SetSequences({"a", "b"});
    EXPECT_EQ(entry.RoundRobinIndex(), 0);
    EXPECT_EQ(entry.RoundRobinIndex(), 1);
    EXPECT_EQ(entry.RoundRobinIndex(), 0);

    EXPECT_EQ(entry.Sequence(1), "b");
    entry.SetSequence(1, "B");
    EXPECT_EQ(entry.Sequence(1), "B");
    EXPECT_EQ(ErrorNumberOf([&] { entry.Sequence(2); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { entry.Sequence(-1); }), 9);
    EXPECT_EQ(ErrorNumberOf([&] { entry.SetSequence(2, "x"); }), 9);
    entry.SetSequences({});
    EXPECT_EQ(entry.NumSequences(), 0);
}

TEST(InteractiveGroup, EntriesAndTriggers) {
    InteractiveGroup group;
    EXPECT_FALSE(group.Triggered(NewTrigger(0, 1, 1, "")));
    const TriggeredSequencesPtr a = Entry(1, {"a"}), b = Entry(2, {"b"}), c = Entry(3, {"c"});
    group.AddTriggeredSequences(a);
    group.AddTriggeredSequences(b);
    group.AddTriggeredSequences(c);
    EXPECT_EQ(group.GetTriggeredSequences(1), b); // the object itself, not a copy
    EXPECT_TRUE(group.Triggered(NewTrigger(0, 1, 3, "another name")));
    EXPECT_FALSE(group.Triggered(NewTrigger(1, 1, 3, "")));
    group.DeleteTriggeredSequence(0);
    EXPECT_EQ(group.Count(), 2);
    EXPECT_EQ(group.GetTriggeredSequences(0), b);
    EXPECT_EQ(group.GetTriggeredSequences(1), c);
}

TEST(InteractiveGroup, CopyIsDeep) {
    InteractiveGroup source;
    source.SetName("Door");
    source.SetDescription("front door");
    source.SetInterruptible(true);
    source.SetMusicalAllowed(false);
    source.SetLightsOffAtEnd(false);
    source.AddTriggeredSequences(Entry(1, {"a", "b"}));
    source.AddTriggeredSequences(Entry(2, {"c"}));

    InteractiveGroup copy;
    copy.AddTriggeredSequences(Entry(9, {"old"}));
    copy.Copy(source);
    EXPECT_EQ(InteractiveGroupToText(copy), InteractiveGroupToText(source));
    EXPECT_EQ(copy.TypeName(), "Soundboard");
    EXPECT_NE(copy.GetTriggeredSequences(0), source.GetTriggeredSequences(0));
    EXPECT_NE(copy.GetTriggeredSequences(0)->Trig(), source.GetTriggeredSequences(0)->Trig());

    source.DeleteTriggeredSequence(1);
    source.GetTriggeredSequences(0)->SetSequence(0, "changed");
    source.GetTriggeredSequences(0)->Trig()->SetInputNumber(77);
    EXPECT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.GetTriggeredSequences(0)->Sequence(0), "a");
    EXPECT_EQ(copy.GetTriggeredSequences(0)->Trig()->InputNumber(), 1);

    copy.Copy(copy); // a group copied onto itself keeps its entries
    EXPECT_EQ(copy.Count(), 2);

    InteractiveGroup broken;
    broken.AddTriggeredSequences(NewTriggeredSequences(nullptr, {"x"}));
    EXPECT_EQ(ErrorNumberOf([&] { copy.Copy(broken); }), 91);
}

TEST(InteractiveGroupText, WritesAndReadsGroups) {
    InteractiveGroup door;
    door.SetIndependent(false);
    door.SetInterruptible(true);
    door.SetMusicalAllowed(true);
    door.SetName("Door");
    door.AddTriggeredSequences(NewTriggeredSequences(
        NewTrigger(0, 1, 2, "Regular, Unit 01, Input 2"), {"C:\\Seq\\door.kas"}));
    const std::string text = InteractiveGroupToText(door);
    EXPECT_EQ(text, "( 1,,F,T,T,Door,((C:\\Seq\\door.kas,( 2,Regular*S Unit 01*S Input 2, 1, "
                    "0))),T)");
    const InteractiveGroupPtr read = InteractiveGroupFromText(text);
    EXPECT_EQ(read->TypeName(), "Soundboard");
    ASSERT_EQ(read->Count(), 1);
    EXPECT_EQ(read->GetTriggeredSequences(0)->Sequences(),
              std::vector<std::string>{"C:\\Seq\\door.kas"});
    EXPECT_TRUE(
        read->GetTriggeredSequences(0)->Trig()->Equals(door.GetTriggeredSequences(0)->Trig()));
    EXPECT_EQ(InteractiveGroupToText(*read), text);

    // Without the eighth field the lights stay on their default; field 1 is not read.
    const InteractiveGroupPtr seven =
        InteractiveGroupFromText("(junk,d,T,T,F,n,((f,( 1,, 1, 0))))");
    EXPECT_TRUE(seven->LightsOffAtEnd());
    EXPECT_EQ(seven->TypeName(), "Magic Toy");
    EXPECT_FALSE(seven->MusicalAllowed());

    EXPECT_EQ(ErrorNumberOf([] { InteractiveGroupFromText("( 1,,F,T,T,Door,,T)"); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { InteractiveGroupFromText("( 1,,F,T,T,Door)"); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { InteractiveGroupFromText("( 1,,F,T,T,Door,((f)),T)"); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { InteractiveGroupFromText("( 1,,F,T,T,D,((f,(,,1,0))),T)"); }), 13);
    EXPECT_EQ(ErrorNumberOf([] { InteractiveGroupToText(InteractiveGroup()); }), 9);
}

TEST(TriggeredSequencesText, TriggerStandsSecond) {
    const TriggeredSequencesPtr entry = Entry(4, {"a.kas", "b (1).kas", "c,d.kas"});
    const std::string text = TriggeredSequencesToText(*entry);
    EXPECT_EQ(text, "(a.kas,( 4,input 4, 1, 0),b *O1*C.kas,c*Sd.kas)");
    const TriggeredSequencesPtr read = TriggeredSequencesFromText(text);
    EXPECT_EQ(read->Sequences(), entry->Sequences());
    EXPECT_TRUE(read->Trig()->Equals(entry->Trig()));

    EXPECT_EQ(ErrorNumberOf([] { TriggeredSequencesToText(TriggeredSequences()); }), 9);
    EXPECT_EQ(
        ErrorNumberOf([] { TriggeredSequencesToText(*NewTriggeredSequences(nullptr, {"a"})); }),
        91);
    EXPECT_EQ(ErrorNumberOf([] { TriggeredSequencesFromText("(a.kas)"); }), 9);
}
