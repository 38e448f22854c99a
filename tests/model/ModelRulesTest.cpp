#include "DocumentedErrors.h"
#include "model/InteractiveGroup.h"
#include "model/PlaylistFunctions.h"
#include "model/Show.h"

#include <gtest/gtest.h>

#include <array>

using namespace bw;
using bw::test::ErrorNumberOf;

namespace {

// Playlist type, animation type, musical type, delay.
std::array<int, 4> OptionsOf(const Playlist& playlist) {
    return {playlist.PlaylistType(), playlist.AnimationType(), playlist.MusicalType(),
            playlist.Delay()};
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

TEST(Playlist, OptionsFollowTheType) {
    EXPECT_EQ(Playlist(), *PlaylistFunctions::NewAnimationPlaylist(1));
    Playlist playlist = *PlaylistFunctions::NewMusicalPlaylist(2, 7);
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

TEST(Show, MonitoringIsNeverAbsent) {
    Show show;
    const auto event = std::make_shared<MonitoredShowEvent>();
    show.SetMonitoring(event);
    EXPECT_EQ(show.Monitoring(), event);
    show.SetMonitoring(nullptr);
    EXPECT_TRUE(show.Monitoring() && show.Monitoring() != event);
}
