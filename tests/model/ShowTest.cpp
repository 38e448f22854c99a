#include "model/Show.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(Show, NewShowHasDefaults) {
    const Show show;
    EXPECT_EQ(show.StartupTrigger(), nullptr);
    ASSERT_NE(show.InteractiveGroups(), nullptr);
    EXPECT_TRUE(show.InteractiveGroups()->empty());
    EXPECT_EQ(show.StartupType(), 0);
    EXPECT_FALSE(show.PreloadSequences());
    EXPECT_EQ(show.Background()->PlaylistType(), 1);
    EXPECT_EQ(show.Background()->AnimationType(), 2);
    EXPECT_EQ(show.Main()->AnimationType(), 1);
    EXPECT_EQ(show.Musical()->PlaylistType(), 2);
    EXPECT_EQ(show.Musical()->MusicalType(), 1);
    EXPECT_EQ(show.Startup()->PlaylistType(), 2);
    EXPECT_EQ(show.Startup()->Delay(), 0);
    EXPECT_EQ(show.Shutdown()->PlaylistType(), 2);
    // Five playlists of their own.
    EXPECT_NE(show.Startup(), show.Shutdown());
    EXPECT_NE(show.Startup(), show.Musical());
    EXPECT_NE(show.Monitoring(), nullptr);
}

TEST(Show, PropertiesHoldReferences) {
    Show show;
    const PlaylistPtr playlist = PlaylistFunctions::NewAnimationPlaylist(1);
    show.SetMain(playlist);
    playlist->List().push_back("a.kas");
    EXPECT_EQ(show.Main()->Count(), 1);

    const TriggerPtr trigger = TriggerFunctions::NewTrigger(1, 2, 3, "t");
    show.SetStartupTrigger(trigger);
    trigger->SetInputNumber(9);
    EXPECT_EQ(show.StartupTrigger()->InputNumber(), 9);
    show.SetStartupTrigger(nullptr);
    EXPECT_EQ(show.StartupTrigger(), nullptr);

    const auto event = std::make_shared<MonitoredShowEvent>();
    show.SetMonitoring(event);
    EXPECT_EQ(show.Monitoring(), event);
    show.SetMonitoring(nullptr);
    EXPECT_NE(show.Monitoring(), nullptr);
    EXPECT_NE(show.Monitoring(), event);
}

TEST(Show, SameContentsComparesShowTexts) {
    const auto a = std::make_shared<Show>();
    const auto b = std::make_shared<Show>();
    EXPECT_TRUE(a->HasSameContents(b));
    EXPECT_FALSE(a->HasSameContents(nullptr));

    b->Musical()->List().push_back("song.kms");
    EXPECT_FALSE(a->HasSameContents(b));
    a->Musical()->List().push_back("song.kms");
    EXPECT_TRUE(a->HasSameContents(b));

    // The monitoring record is not part of the show text.
    b->SetMonitoring(std::make_shared<MonitoredShowEvent>());
    EXPECT_TRUE(a->HasSameContents(b));

    // A show whose text cannot be made compares false instead of raising.
    b->SetMain(nullptr);
    EXPECT_FALSE(a->HasSameContents(b));
    EXPECT_FALSE(b->HasSameContents(a));
    b->SetMain(PlaylistFunctions::NewAnimationPlaylist(1));
    b->InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>()); // no entries
    EXPECT_FALSE(a->HasSameContents(b));
}
