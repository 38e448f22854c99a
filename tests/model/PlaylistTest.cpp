#include "DocumentedErrors.h"
#include "model/PlaylistFunctions.h"

#include <gtest/gtest.h>

#include <array>

using namespace bw;
using namespace bw::PlaylistFunctions;
using bw::test::ErrorNumberOf;

namespace {

// Playlist type, animation type, musical type, delay.
std::array<int, 4> OptionsOf(const Playlist& playlist) {
    return {playlist.PlaylistType(), playlist.AnimationType(), playlist.MusicalType(),
            playlist.Delay()};
}

} // namespace

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

// Reading these texts back is in the model text table.
TEST(PlaylistText, WritesNineFields) {
    PlaylistPtr musical = NewMusicalPlaylist(1, 5);
    musical->List() = {"C:\\Seq\\a.kms", "C:\\Seq\\b (2).kms"};
    EXPECT_EQ(PlaylistToText(musical), "(0,1,2,5,,(C:\\Seq\\a.kms,C:\\Seq\\b *O2*C.kms),T,F,F)");
    PlaylistPtr animation = NewAnimationPlaylist(2);
    animation->SetCleanUp("x,y*(z)");
    animation->SetLightsOffAtEnd(false);
    animation->SetShuffleWithReplacement(true);
    EXPECT_EQ(PlaylistToText(animation), "(2,0,1,0,x*Sy*E*Oz*C,,F,F,T)");
    EXPECT_EQ(ErrorNumberOf([] { PlaylistToText(nullptr); }), 91);
    // An empty list text holds one empty name.
    EXPECT_EQ(PlaylistFromText("(1,0,1,0,,(),T,F,F)")->List(), std::vector<std::string>{""});
}
