#include "DocumentedErrors.h"
#include "model/PlaylistFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::PlaylistFunctions;
using bw::test::ErrorNumberOf;

namespace {

struct Options {
    int playlistType, animationType, musicalType, delay;
};

Options OptionsOf(const Playlist& playlist) {
    return {playlist.PlaylistType(), playlist.AnimationType(), playlist.MusicalType(),
            playlist.Delay()};
}

bool operator==(const Options& a, const Options& b) {
    return a.playlistType == b.playlistType && a.animationType == b.animationType &&
           a.musicalType == b.musicalType && a.delay == b.delay;
}

} // namespace

TEST(Playlist, NewPlaylistHasDefaults) {
    const Playlist playlist;
    EXPECT_TRUE(OptionsOf(playlist) == (Options{1, 1, 0, 0}));
    EXPECT_EQ(playlist.Count(), 0);
    EXPECT_EQ(playlist.CleanUp(), "");
    EXPECT_TRUE(playlist.LightsOffAtEnd());
    EXPECT_FALSE(playlist.ShuffleAllowsBackToBack());
    EXPECT_FALSE(playlist.ShuffleWithReplacement());
}

TEST(Playlist, OptionsFollowTheType) {
    Playlist playlist = *NewMusicalPlaylist(2, 7);
    EXPECT_TRUE(OptionsOf(playlist) == (Options{2, 0, 2, 7}));

    playlist.SetAnimationType(2); // ignored on a musical playlist
    EXPECT_EQ(playlist.AnimationType(), 0);
    playlist.SetPlaylistType(2); // same type: nothing changes
    EXPECT_TRUE(OptionsOf(playlist) == (Options{2, 0, 2, 7}));

    playlist.SetPlaylistType(1);
    EXPECT_TRUE(OptionsOf(playlist) == (Options{1, 1, 0, 0}));
    playlist.SetDelay(9); // ignored on an animation playlist
    playlist.SetMusicalType(2);
    EXPECT_TRUE(OptionsOf(playlist) == (Options{1, 1, 0, 0}));

    playlist.SetPlaylistType(2);
    EXPECT_TRUE(OptionsOf(playlist) == (Options{2, 0, 1, 0}));

    playlist.SetPlaylistType(3); // stored with no further change
    EXPECT_TRUE(OptionsOf(playlist) == (Options{3, 0, 1, 0}));
    playlist.SetDelay(4);
    playlist.SetAnimationType(2);
    EXPECT_TRUE(OptionsOf(playlist) == (Options{3, 0, 1, 0}));
}

TEST(PlaylistText, WritesNineFields) {
    EXPECT_EQ(PlaylistToText(NewAnimationPlaylist(1)), "(1,0,1,0,,,T,F,F)");
    EXPECT_EQ(PlaylistToText(NewMusicalPlaylist(1, 0)), "(0,1,2,0,,,T,F,F)");

    PlaylistPtr musical = NewMusicalPlaylist(1, 5);
    musical->List() = {"C:\\Seq\\a.kms", "C:\\Seq\\b (2).kms"};
    const std::string text = PlaylistToText(musical);
    EXPECT_EQ(text, "(0,1,2,5,,(C:\\Seq\\a.kms,C:\\Seq\\b *O2*C.kms),T,F,F)");
    const PlaylistPtr read = PlaylistFromText(text);
    EXPECT_EQ(read->List(), musical->List());
    EXPECT_EQ(read->Delay(), 5);

    PlaylistPtr animation = NewAnimationPlaylist(2);
    animation->SetCleanUp("x,y*(z)");
    animation->SetLightsOffAtEnd(false);
    animation->SetShuffleWithReplacement(true);
    animation->SetDelay(-4);
    EXPECT_EQ(PlaylistToText(animation), "(2,0,1,0,x*Sy*E*Oz*C,,F,F,T)");
    EXPECT_EQ(ErrorNumberOf([] { PlaylistToText(nullptr); }), 91);
}

TEST(PlaylistText, ReadsShortAndOddTexts) {
    const PlaylistPtr six = PlaylistFromText("(2,0,1,0,,)");
    EXPECT_TRUE(OptionsOf(*six) == (Options{1, 2, 0, 0}));
    EXPECT_EQ(six->Count(), 0);
    EXPECT_TRUE(six->LightsOffAtEnd());
    EXPECT_TRUE(six->ShuffleAllowsBackToBack());
    EXPECT_TRUE(six->ShuffleWithReplacement());

    const PlaylistPtr seven = PlaylistFromText("(1,0,1,0,,,F)");
    EXPECT_FALSE(seven->LightsOffAtEnd());
    EXPECT_TRUE(seven->ShuffleAllowsBackToBack());

    EXPECT_EQ(PlaylistFromText("(1,0,1,0,,(),T,F,F)")->List(), std::vector<std::string>{""});
    EXPECT_TRUE(OptionsOf(*PlaylistFromText("(5,2,2,7,,,T,F,F)")) == (Options{2, 0, 2, 7}));
    EXPECT_TRUE(OptionsOf(*PlaylistFromText("(1,0,3,0,,,T,F,F)")) == (Options{3, 1, 0, 0}));
    // Numbers are read leniently: blanks skipped, halves to even, no number is 0.
    EXPECT_TRUE(OptionsOf(*PlaylistFromText("( 2 ,x,2,2.5,,,T,F,F,extra)")) ==
                (Options{2, 0, 0, 2}));
    EXPECT_EQ(PlaylistFromText("(1,0,1,0,c,,t,T,t)")->CleanUp(), "c");

    EXPECT_EQ(ErrorNumberOf([] { PlaylistFromText("(1,0,1,0)"); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { PlaylistFromText(""); }), 9);
    EXPECT_EQ(ErrorNumberOf([] { PlaylistFromText("(1,0,1,0,,(a,b)"); }), 2);
    EXPECT_EQ(ErrorNumberOf([] { PlaylistFromText("(1,0,1,0,,(a)b),T)"); }), 3);
    EXPECT_EQ(ErrorNumberOf([] { PlaylistFromText("(1,0,1,99999999999,,)"); }), 6);
}
