#include "DocumentedErrors.h"
#include "model/PlaylistFunctions.h"
#include "model/Show.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"

#include <gtest/gtest.h>

#include <functional>

using namespace bw;
using namespace bw::TriggerFunctions;
using namespace bw::TriggeredSequencesFunctions;
using bw::test::ErrorNumberOf;

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

TEST(Trigger, SameTriggerWhatEverItsName) {
    const TriggerPtr a = NewTrigger(1, 2, 3, "front");
    EXPECT_TRUE(a->Equals(NewTrigger(1, 2, 3, "back")));
    EXPECT_FALSE(*a == *NewTrigger(1, 2, 3, "back"));
    EXPECT_FALSE(a->Equals(nullptr));
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
        EXPECT_FALSE(changed == reference) << "change " << i;
        EXPECT_FALSE(reference == changed) << "change " << i;
    }
}

TEST(Show, SameContentsComparesShowTexts) {
    const auto a = std::make_shared<Show>(), b = std::make_shared<Show>();
    EXPECT_TRUE(a->HasSameContents(b) && !a->HasSameContents(nullptr));
    b->Musical()->List().push_back("song.kms");
    EXPECT_FALSE(a->HasSameContents(b));
    a->Musical()->List().push_back("song.kms");
    b->Monitoring()->SetShuttingDown(true); // not part of the show text
    EXPECT_TRUE(a->HasSameContents(b));
    // A show whose text cannot be made compares false instead of raising.
    b->SetMain(nullptr);
    EXPECT_FALSE(a->HasSameContents(b) || b->HasSameContents(a));
    b->SetMain(PlaylistFunctions::NewAnimationPlaylist(1));
    b->InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>()); // no entries
    EXPECT_FALSE(a->HasSameContents(b));
}
