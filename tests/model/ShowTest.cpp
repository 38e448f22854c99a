#include "model/Show.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"

#include <gtest/gtest.h>

#include <functional>

using namespace bw;

// Setting no monitoring record stores a fresh one.
TEST(Show, MonitoringIsNeverAbsent) {
    Show show;
    const auto event = std::make_shared<MonitoredShowEvent>();
    show.SetMonitoring(event);
    EXPECT_EQ(show.Monitoring(), event);
    show.SetMonitoring(nullptr);
    EXPECT_TRUE(show.Monitoring() && show.Monitoring() != event);
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
    const auto a = std::make_shared<Show>();
    const auto b = std::make_shared<Show>();
    EXPECT_TRUE(a->HasSameContents(b));
    EXPECT_FALSE(a->HasSameContents(nullptr));
    b->Musical()->List().push_back("song.kms");
    EXPECT_FALSE(a->HasSameContents(b));
    a->Musical()->List().push_back("song.kms");
    // The monitoring record is not part of the show text.
    b->Monitoring()->SetShuttingDown(true);
    EXPECT_TRUE(a->HasSameContents(b));

    // A show whose text cannot be made compares false instead of raising.
    b->SetMain(nullptr);
    EXPECT_FALSE(a->HasSameContents(b) || b->HasSameContents(a));
    b->SetMain(PlaylistFunctions::NewAnimationPlaylist(1));
    b->InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>()); // no entries
    EXPECT_FALSE(a->HasSameContents(b));
}
