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

TEST(PlaylistText, WritesNineFieldsAndReadsThemBack) {
    PlaylistPtr musical = NewMusicalPlaylist(1, 5);
    musical->List() = {"C:\\Seq\\a.kms", "C:\\Seq\\b (2).kms"};
    PlaylistPtr animation = NewAnimationPlaylist(2);
    animation->SetCleanUp("x,y*(z)");
    animation->SetLightsOffAtEnd(false);
    animation->SetShuffleWithReplacement(true);
    // The default playlists' texts are those of the new show.
    const std::pair<PlaylistPtr, const char*> cases[] = {
        {musical, "(0,1,2,5,,(C:\\Seq\\a.kms,C:\\Seq\\b *O2*C.kms),T,F,F)"},
        {animation, "(2,0,1,0,x*Sy*E*Oz*C,,F,F,T)"}};
    for (const auto& [playlist, text] : cases) {
        EXPECT_EQ(PlaylistToText(playlist), text);
        EXPECT_EQ(*PlaylistFromText(text), *playlist) << text;
    }
    EXPECT_EQ(ErrorNumberOf([] { PlaylistToText(nullptr); }), 91);
}

TEST(PlaylistText, ReadsShortAndOddTexts) {
    // Options, then lights off, back to back, with replacement.
    // clang-format off
    const std::tuple<const char*, std::array<int, 4>, std::array<bool, 3>> cases[] = {
        {"(2,0,1,0,,)",                     {1, 2, 0, 0}, {true, true, true}},
        {"(1,0,1,0,,,F)",                   {1, 1, 0, 0}, {false, true, true}},
        {"(1,0,1,0,,,T,F)",                 {1, 1, 0, 0}, {true, false, true}},
        {"(5,2,2,7,,,T,F,F)",               {2, 0, 2, 7}, {true, false, false}},
        {"(1,0,3,0,,,T,F,F)",               {3, 1, 0, 0}, {true, false, false}},
        {"( 2 ,x,2,2.5,,,T,F,F,extra)",     {2, 0, 0, 2}, {true, false, false}},
        {"(1,0,1,0,c,,t,T,t)",              {1, 1, 0, 0}, {true, true, true}},
    };
    // clang-format on
    for (const auto& [text, options, flags] : cases) {
        const PlaylistPtr read = PlaylistFromText(text);
        EXPECT_EQ(OptionsOf(*read), options) << text;
        EXPECT_EQ((std::array{read->LightsOffAtEnd(), read->ShuffleAllowsBackToBack(),
                              read->ShuffleWithReplacement()}),
                  flags)
            << text;
    }
    EXPECT_EQ(PlaylistFromText("(1,0,1,0,,(),T,F,F)")->List(), std::vector<std::string>{""});

    // clang-format off
    const std::pair<const char*, int> errors[] = {
        {"(1,0,1,0)", 9}, {"", 9}, {"(1,0,1,0,,(a)b),T)", 3}, {"(1,0,1,99999999999,,)", 6}};
    // clang-format on
    for (const auto& [text, number] : errors)
        EXPECT_EQ(ErrorNumberOf([&] { PlaylistFromText(text); }), number) << text;
}
