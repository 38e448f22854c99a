// The recent shows: the list's rules, and the list in the settings beside the suite's values.
#include "environment/RecentShows.h"
#include "environment/ProductSettings.h"

#include "TemporaryHome.h"

#include <gtest/gtest.h>

using namespace bw;
using List = std::vector<std::string>;

TEST(RecentShowsListTest, AddedAndRemoved_KeepNewestFirstEightAtMostAndNoDuplicates) {
    const List eight{"1", "2", "3", "4", "5", "6", "7", "8"};
    // The list before, the path added (+) or removed (-), the list after.
    const std::tuple<List, std::string, List> cases[] = {
        {{}, "+a", {"a"}},
        {{"a", "b"}, "+c", {"c", "a", "b"}},
        {{"a", "b", "c"}, "+b", {"b", "a", "c"}},
        {{"a"}, "+a", {"a"}},
        {eight, "+9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {eight, "+8", {"8", "1", "2", "3", "4", "5", "6", "7"}},
        {{"a", "b"}, "-a", {"b"}},
        {{"a"}, "-x", {"a"}},
#ifdef _WIN32
        {{"C:\\S\\a.kss", "C:\\S\\b.kss"}, "+c:\\s\\B.KSS", {"c:\\s\\B.KSS", "C:\\S\\a.kss"}},
#else
        {{"/s/a.kss"}, "+/s/A.kss", {"/s/A.kss", "/s/a.kss"}},
#endif
    };
    for (const auto& [before, change, after] : cases) {
        const std::string path = change.substr(1);
        EXPECT_EQ(change[0] == '+' ? RecentShows::Added(before, path)
                                   : RecentShows::Removed(before, path),
                  after)
            << change;
    }
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
    EXPECT_EQ(RecentShows::Load(place), List{}); // no settings file at all
    WriteStore("Windows Registry Editor Version 5.00\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n" +
               test::StringLine("AppPath", "/opt/bw/") +
               "\r\n[HKEY_CURRENT_USER\\Software\\Brightwave\\BWShow]\r\n" +
               test::StringLine("Recent1", "/s/b.kss") + "\"Recent3\"=dword:00000005\r\n" +
               test::StringLine("Recent4", "") + "\"Recent5\"=\"unclosed\r\n" +
               test::StringLine("Recent6", "/s/b.kss") + test::StringLine("Recent7", "/s/c.kss") +
               test::StringLine("Recent9", "/s/nine.kss"));
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
