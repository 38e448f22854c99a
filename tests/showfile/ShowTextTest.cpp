#include "DocumentedErrors.h"
#include "model/PlaylistFunctions.h"
#include "model/TriggerFunctions.h"
#include "model/TriggeredSequencesFunctions.h"
#include "showfile/ShowFunctions.h"

#include "DataFile.h"
#include "ShowGenerator.h"

#include <gtest/gtest.h>

using namespace bw;
using namespace bw::ShowFunctions;
using bw::test::DataFile;

namespace {

const std::string FourPlaylists =
    "(0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F),(0,1,2,0,,,T,F,F)";

} // namespace

// Every field where it belongs: sections, flags and trigger numbers that differ from their
// neighbours, so that two swapped fields show.
TEST(ShowText, NewShowWritesTenFieldsAndEachFieldHasItsPlace) {
    EXPECT_EQ(ShowToText(Show()), "(" + FourPlaylists + ",,(2,0,1,0,,,T,F,F),, 0,,F)");
    Show show;
    show.Startup()->List().push_back("up.kas");
    show.Shutdown()->List().push_back("down.kas");
    show.Musical()->SetDelay(5);
    auto group = std::make_shared<InteractiveGroup>();
    group->SetDescription("about");
    group->SetInterruptible(true);
    group->SetMusicalAllowed(false);
    group->SetName("Porch");
    group->SetLightsOffAtEnd(false);
    group->AddTriggeredSequences(TriggeredSequencesFunctions::NewTriggeredSequences(
        TriggerFunctions::NewTrigger(0, 1, 2, "bell"), {"a.kas"}));
    show.InteractiveGroups()->push_back(group);
    show.SetStartupType(2);
    show.SetStartupTrigger(TriggerFunctions::NewTrigger(1, 3, 4, "gate"));
    show.SetPreloadSequences(true);
    EXPECT_EQ(ShowToText(show) + "\r\n", DataFile("show-text/field-order.out"));
}

// Each file NAME.in is read as a show whose text must be NAME.out: missing trailing fields are
// filled in, damage below the top level is absorbed, each section gets its own type.
TEST(ShowText, ReadingRepairsWhatItCan) {
    for (const std::string name :
         {"every-field", "four-fields", "five-fields", "eight-fields", "group-without-entries",
          "unreadable-type-and-trigger", "sections-of-the-wrong-type"}) {
        const ShowPtr show = ShowFromText(DataFile("show-text/" + name + ".in"));
        ASSERT_NE(show, nullptr) << name;
        EXPECT_EQ(ShowToText(*show) + "\r\n", DataFile("show-text/" + name + ".out")) << name;
    }
}

// Any other text gives no show: an unreadable playlist or group, or too few fields.
TEST(ShowText, OnlyTopLevelErrorsReachTheCaller) {
    const std::string list = "Serialize.ListFromText";
    // Reading never recurses per level of nesting.
    const std::string nested = std::string(100000, '(') + std::string(100000, ')');
    // clang-format off
    const std::tuple<std::string, int, std::string> cases[] = {
        {"", 9, ""}, {"abc", 9, ""}, {"((0,1,2", 1, list}, {"((0,1,2,0,,,T,F,F)", 2, list},
        {"(" + FourPlaylists + ",,(2,0,1,0,,),((a)b),c), 0,,F)", 3, list},
        {"(" + FourPlaylists + ",,(2,0,1,0,,),(a)(b,c), 0,,F)", 3, list}, // in field 7
        {"((0,1,2,0,,,T,F,F),(0,1,2,0,,,T,F,F),(1,0,1,0,,,T,F,F))", 0, ""},
        {"(" + FourPlaylists + ",,(2,0,1,0))", 0, ""}, {"(a,b,c,d,e,f,g,h,i,j)", 0, ""},
        {"(" + nested + "," + nested + ")", 0, ""}};
    // clang-format on
    for (const auto& [text, number, source] : cases) {
        const Error error = test::ErrorOf([&] { EXPECT_EQ(ShowFromText(text), nullptr) << text; });
        EXPECT_EQ(std::pair(error.Number(), error.Source()), std::pair(number, source)) << text;
    }
    const std::string playlist = "(1,0,1,0,,(" + nested + "),T,F,F),";
    const ShowPtr deep = ShowFromText("(" + playlist + playlist + playlist + playlist + ")");
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->Main()->List().at(0), nested);
}

TEST(ShowText, SameContentsComparesShowTexts) {
    const auto a = std::make_shared<Show>(), b = std::make_shared<Show>();
    EXPECT_TRUE(HasSameContents(*a, b) && !HasSameContents(*a, nullptr));
    b->Musical()->List().push_back("song.kms");
    EXPECT_FALSE(HasSameContents(*a, b));
    a->Musical()->List().push_back("song.kms");
    b->Monitoring()->SetShuttingDown(true); // not part of the show text
    EXPECT_TRUE(HasSameContents(*a, b));
    // A show whose text cannot be made compares false instead of raising.
    b->SetMain(nullptr);
    EXPECT_FALSE(HasSameContents(*a, b) || HasSameContents(*b, a));
    b->SetMain(PlaylistFunctions::NewAnimationPlaylist(1));
    b->InteractiveGroups()->push_back(std::make_shared<InteractiveGroup>()); // no entries
    EXPECT_FALSE(HasSameContents(*a, b));
}

// Any show that keeps the model's invariants comes back equal from its text.
TEST(ShowProperty, RandomShowsRoundTripThroughTheirText) {
    test::ShowGenerator generator(20261206);
    for (int i = 0; i < 3000; ++i) {
        const ShowPtr show = generator.RandomShow();
        const std::string text = ShowToText(*show);
        const ShowPtr read = ShowFromText(text);
        ASSERT_NE(read, nullptr) << text;
        ASSERT_TRUE(*read == *show) << text << "\nread back as\n" << ShowToText(*read);
    }
}
