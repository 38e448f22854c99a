// The recent shows: the list's rules, and the list in the settings beside the suite's values.
#include "environment/RecentShows.h"
#include "environment/ProductSettings.h"

#include "DataFile.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

using namespace bw;
using List = std::vector<std::string>;

TEST(RecentShowsListTest, AddedAndRemoved_KeepNewestFirstEightAtMostAndNoDuplicates) {
    for (const auto& row : test::DataRows("environment/recent-shows.txt")) {
        const List before = test::Split(row[0], '|'), after = test::Split(row[2], '|');
        const std::string path = row[1].substr(1);
        EXPECT_EQ(row[1][0] == '+' ? RecentShows::Added(before, path)
                                   : RecentShows::Removed(before, path),
                  after)
            << row[1];
    }
    // Paths differing only in letter case are one show only where the file system says so.
#ifdef _WIN32
    EXPECT_EQ(RecentShows::Added({"C:\\S\\a.kss", "C:\\S\\b.kss"}, "c:\\s\\B.KSS"),
              (List{"c:\\s\\B.KSS", "C:\\S\\a.kss"}));
#else
    EXPECT_EQ(RecentShows::Added({"/s/a.kss"}, "/s/A.kss"), (List{"/s/A.kss", "/s/a.kss"}));
#endif
}

#ifdef _WIN32

TEST(RecentShowsStoreTest, Save_ThenLoad_GivesTheListBack) {
    const RecentShows::Place place{"Software\\BWShowTest\\Recent", ""};
    for (const List& shows : {List{"C:\\\u0141\u00F3d\u017A.kss", "C:\\Yard.kss"}, List{}}) {
        ASSERT_TRUE(RecentShows::Save(place, shows));
        EXPECT_EQ(RecentShows::Load(place), shows);
    }
}

#else

class RecentShowsStoreTest : public test::TemporaryHome {};

TEST_F(RecentShowsStoreTest, DamagedOrMissingEntries_AreLeftOutAndSavingKeepsTheSuitesValues) {
    const RecentShows::Place place = RecentShows::UserPlace();
    EXPECT_EQ(RecentShows::Load(place), List{});                // no settings file at all
    WriteStore(test::DataFile("environment/recent-shows.reg")); // with the suite's AppPath
    EXPECT_EQ(RecentShows::Load(place), (List{"/s/b.kss", "/s/c.kss"}));

    const List shows{"/s/\xC5\x81\xC3\xB3"
                     "d\xC5\xBA \"new\".kss",
                     "/s/b.kss"};
    ASSERT_TRUE(RecentShows::Save(place, shows));
    EXPECT_EQ(RecentShows::Load(place), shows);
    EXPECT_EQ(LibRegistryBWShared::ReadSharedString("AppPath", "", "-"), "/opt/bw/");
    ASSERT_TRUE(RecentShows::Save(place, {}));
    EXPECT_EQ(RecentShows::Load(place), List{});
}

#endif
