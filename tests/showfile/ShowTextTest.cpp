#include "listtext/Error.h"
#include "model/InteractiveGroupFunctions.h"
#include "model/TriggerFunctions.h"
#include "showfile/ShowFunctions.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::ShowFunctions;

namespace {

const std::string NewShowText = "((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),"
                                "(0,1,2,0,,,T,F,F),,(2,0,1,0,,,T,F,F),, 0,,F)";
const std::string FourPlaylists =
    "(0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,,,T,F,F)";
const std::string DoorGroup =
    "( 1,,F,T,T,Door,((C:\\Seq\\door.kas,( 2,Regular*S Unit 01*S Input 2, 1, 0))),T)";

// The error that reading raises: number and source, or {0, ""} when it raises none.
std::pair<int, std::string> ReadError(std::string_view text) {
    try {
        ShowFromText(text);
    } catch (const Error& error) {
        return {error.Number(), error.Source()};
    }
    return {0, ""};
}

} // namespace

TEST(ShowText, WritesTenFields) {
    Show show;
    EXPECT_EQ(ShowToText(show), NewShowText);

    show.SetStartupType(1);
    show.SetStartupTrigger(TriggerFunctions::NewTrigger(0, 1, 1, ""));
    const std::string text = ShowToText(show);
    EXPECT_TRUE(text.ends_with(",, 1,( 1,, 1, 0),F)")) << text;

    show.InteractiveGroups()->push_back(
        InteractiveGroupFunctions::InteractiveGroupFromText(DoorGroup));
    show.SetPreloadSequences(true);
    show.SetStartupType(-2);
    show.SetStartupTrigger(nullptr);
    EXPECT_EQ(ShowToText(show),
              "(" + FourPlaylists + ",,(2,0,1,0,,,T,F,F),(" + DoorGroup + "),-2,,T)");
}

TEST(ShowText, ReadingFillsInMissingFields) {
    const ShowPtr five = ShowFromText("(" + FourPlaylists + ",)");
    ASSERT_NE(five, nullptr);
    const Playlist& background = *five->Background();
    EXPECT_EQ(background.AnimationType(), 2);
    EXPECT_EQ(background.Count(), 0);
    EXPECT_TRUE(background.LightsOffAtEnd());
    EXPECT_TRUE(background.ShuffleAllowsBackToBack());
    EXPECT_TRUE(background.ShuffleWithReplacement());
    EXPECT_TRUE(five->InteractiveGroups()->empty());
    EXPECT_EQ(five->StartupType(), 0);
    EXPECT_EQ(five->StartupTrigger(), nullptr);
    EXPECT_FALSE(five->PreloadSequences());

    // Four fields: the Background field comes from the default as well.
    const ShowPtr four = ShowFromText("(" + FourPlaylists + ")");
    ASSERT_NE(four, nullptr);
    EXPECT_EQ(four->Background()->AnimationType(), 2);

    // Fields 7 to 10 present, trailing text after the last parenthesis ignored.
    const ShowPtr full = ShowFromText(NewShowText + "\r\n");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(ShowToText(*full), NewShowText);

    // Eight fields: no trigger and no preloading are filled in.
    const ShowPtr eight = ShowFromText("(" + FourPlaylists + ",,(2,0,1,0,,),, 2)");
    ASSERT_NE(eight, nullptr);
    EXPECT_EQ(eight->StartupType(), 2);
    EXPECT_EQ(eight->StartupTrigger(), nullptr);
}

TEST(ShowText, DamageBelowTheTopLevelIsAbsorbed) {
    // A group without its list of entries is dropped; the one after it stays.
    const std::string twoGroups =
        "(" + FourPlaylists + ",,(2,0,1,0,,,T,F,F),(( 1,,F,T,T,Bad,,T)," + DoorGroup + "), 0,,F)";
    const ShowPtr show = ShowFromText(twoGroups);
    ASSERT_NE(show, nullptr);
    ASSERT_EQ(show->InteractiveGroups()->size(), 1u);
    EXPECT_EQ(show->InteractiveGroups()->at(0)->Name(), "Door");

    const ShowPtr badTrigger = ShowFromText("(" + FourPlaylists + ",,(2,0,1,0,,),,x,(x),T)");
    ASSERT_NE(badTrigger, nullptr);
    EXPECT_EQ(badTrigger->StartupTrigger(), nullptr);
    EXPECT_EQ(badTrigger->StartupType(), 0);
    EXPECT_TRUE(badTrigger->PreloadSequences());

    // Each section's type is forced; a Main of musical type becomes a reset animation playlist.
    const ShowPtr forced = ShowFromText(
        "((1,0,1,0,,,T,F,F),(0,1,2,0,,,T,F,F),(0,2,2,9,,,T,F,F),(2,0,1,0,,,T,F,F),,(0,1,2,5,,))");
    ASSERT_NE(forced, nullptr);
    EXPECT_EQ(forced->Main()->PlaylistType(), 1);
    EXPECT_EQ(forced->Main()->AnimationType(), 1);
    EXPECT_EQ(forced->Main()->MusicalType(), 0);
    EXPECT_EQ(forced->Main()->Delay(), 0);
    EXPECT_EQ(forced->Startup()->PlaylistType(), 2);
    EXPECT_EQ(forced->Startup()->MusicalType(), 1);
    EXPECT_EQ(forced->Musical()->PlaylistType(), 2);
    EXPECT_EQ(forced->Background()->PlaylistType(), 1);

    // An unreadable playlist gives no show, without an error.
    EXPECT_EQ(ShowFromText("((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F))"), nullptr);
    EXPECT_EQ(ShowFromText("(" + FourPlaylists + ",,(2,0,1,0))"), nullptr);
    EXPECT_EQ(ShowFromText("(a,b,c,d,e,f,g,h,i,j)"), nullptr);
}

TEST(ShowText, OnlyTopLevelErrorsReachTheCaller) {
    const std::string listSource = "Serialize.ListFromText";
    EXPECT_EQ(ReadError(""), (std::pair<int, std::string>{9, ""}));
    EXPECT_EQ(ReadError("abc"), (std::pair<int, std::string>{9, ""}));
    EXPECT_EQ(ReadError("((0,1,2"), (std::pair<int, std::string>{1, listSource}));
    EXPECT_EQ(ReadError("((0,1,2,0,,,T,F,F)"), (std::pair<int, std::string>{2, listSource}));
    // A badly formed group field is a list error of the show.
    EXPECT_EQ(ReadError("(" + FourPlaylists + ",,(2,0,1,0,,),((a)b),c), 0,,F)"),
              (std::pair<int, std::string>{3, listSource}));
}

TEST(ShowFromParts, RequiresAllPlaylistsAndDropsEmptyGroups) {
    auto groups = std::make_shared<GroupCollection>();
    groups->push_back(nullptr);
    groups->push_back(InteractiveGroupFunctions::InteractiveGroupFromText(DoorGroup));
    groups->push_back(nullptr);
    const Show defaults;
    const ShowPtr show =
        ShowFromParts(defaults.Startup(), defaults.Shutdown(), defaults.Main(), defaults.Musical(),
                      defaults.Background(), groups, 2, nullptr, true);
    EXPECT_EQ(show->InteractiveGroups(), groups);
    ASSERT_EQ(groups->size(), 1u);
    EXPECT_EQ(show->Main(), defaults.Main());
    EXPECT_EQ(show->StartupType(), 2);
    EXPECT_TRUE(show->PreloadSequences());

    try {
        ShowFromParts(defaults.Startup(), defaults.Shutdown(), nullptr, defaults.Musical(),
                      defaults.Background(), groups, 0, nullptr, false);
        FAIL() << "a show without its Animation playlist was built";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), 91);
    }
}
