// The session's own files: the recent shows, the list's rules and the list in the settings beside
// the suite's values; recovery copies, what a damaged one looks like to the reader, and several
// editors sharing the folder without taking each other's copies.
#include "environment/ProductSettings.h"
#include "environment/RecentShows.h"
#include "environment/RecoveryStore.h"

#include "DataFile.h"
#include "OtherSystemTest.h"
#include "TemporaryFolder.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

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
BWSHOW_OTHER_SYSTEM_TEST(RecentShowsStoreTest,
                         DamagedOrMissingEntries_AreLeftOutAndSavingKeepsTheSuitesValues)

#else

class RecentShowsStoreTest : public test::TemporaryHome {};
BWSHOW_OTHER_SYSTEM_TEST_F(RecentShowsStoreTest, Save_ThenLoad_GivesTheListBack)

TEST_F(RecentShowsStoreTest, DamagedOrMissingEntries_AreLeftOutAndSavingKeepsTheSuitesValues) {
    const RecentShows::Place place = RecentShows::UserPlace();
    EXPECT_EQ(RecentShows::Load(place), List{});                // no settings file at all
    WriteStore(test::DataFile("environment/recent-shows.reg")); // with the suite's AppPath
    EXPECT_EQ(RecentShows::Load(place), (List{"/s/b.kss", "/s/c.kss"}));

    const List shows{"/s/\xC5\x81\xC3\xB3\x64\xC5\xBA \"new\".kss", "/s/b.kss"};
    ASSERT_TRUE(RecentShows::Save(place, shows));
    EXPECT_EQ(RecentShows::Load(place), shows);
    EXPECT_EQ(LibRegistryBWShared::ReadSharedString("AppPath", "", "-"), "/opt/bw/");
    ASSERT_TRUE(RecentShows::Save(place, {}));
    EXPECT_EQ(RecentShows::Load(place), List{});
}

#endif

namespace {

using RecoveryStoreTest = test::TemporaryFolder;

const RecoveryCopy Sample{
    "((0,1,2,0,,,T,F,F),x)\r\ncheck 16\n", "/shows/Yard\nnew.kss", 1765119065, {4242, "boot-1.77"}};

} // namespace

TEST_F(RecoveryStoreTest, Decode_DamagedCopy_IsRefusedAndAWholeOneReadBack) {
    const std::string whole = RecoveryStore::Encode(Sample);
    std::string flipped = whole;
    flipped[whole.find("((0") + 4] = '9';
    std::string otherFile = whole;
    otherFile[whole.find("Yard")] = 'B';
    const std::pair<std::string, bool> cases[] = {
        {whole, true},
        {whole.substr(0, whole.size() - 1), false}, // cut short, even by the last byte
        {whole + "x", false},                       // something after the checksum
        {flipped, false},                           // a changed byte in the show text
        {otherFile, false},                         // or in the file name
        {"", false},
        {"BWShow recovery copy 2\n" + whole.substr(whole.find('\n') + 1), false},
        {std::string(whole.size(), '\0'), false}, // a file the crash left full of zeros
    };
    for (const auto& [bytes, readable] : cases)
        EXPECT_EQ(RecoveryStore::Decode(bytes), readable ? std::optional(Sample) : std::nullopt)
            << bytes.size() << " bytes";
}

TEST_F(RecoveryStoreTest, SeveralEditors_EachKeepsItsOwnCopyAndOnlyAnEndedOnesIsTaken) {
    const ProcessIdentity::Identity me = ProcessIdentity::Current();
    // The same process id, started at another time: an editor that ended, whose id the system
    // has given to this process since.
    const ProcessIdentity::Identity ended{me.pid, me.started + "0"};
    ASSERT_TRUE(ProcessIdentity::IsRunning(me) && !ProcessIdentity::IsRunning(ended));

    const std::string recovery = (folder_ / "recovery").string();
    RecoveryStore mine(recovery, me), crashed(recovery, ended);
    ASSERT_TRUE(crashed.Write("(crashed)", "/shows/a.kss", 100));
    ASSERT_TRUE(mine.Write("(mine)", "/shows/b.kss", 200));
    // A file that tells no editor is left over from nobody that runs.
    const std::string stray = (folder_ / "recovery" / "stray.recovery").string();
    Put(stray, "junk");
    std::filesystem::last_write_time(stray, std::filesystem::file_time_type::clock::now() -
                                                std::chrono::hours(1));

    // The editor that ended sees this one's copy as taken by a running editor.
    EXPECT_EQ(crashed.Abandoned(), std::vector<std::string>{stray});
    const std::vector<std::string> abandoned = mine.Abandoned();
    ASSERT_EQ(abandoned, (std::vector<std::string>{crashed.OwnPath(), stray}));
    EXPECT_FALSE(RecoveryStore::Read(abandoned[1]));

    // Two editors after the crash: the first takes the copy, the second finds it gone.
    RecoveryStore second(recovery, {me.pid, me.started + "1"});
    ASSERT_TRUE(mine.Remove() && mine.Take(abandoned[0]));
    EXPECT_FALSE(second.Take(abandoned[0]));
    EXPECT_EQ(RecoveryStore::Read(mine.OwnPath()),
              (RecoveryCopy{"(crashed)", "/shows/a.kss", 100, ended}));
    EXPECT_TRUE(mine.Remove() && !std::filesystem::exists(mine.OwnPath()));
}

#ifndef _WIN32
// An editor killed a moment ago whose parent has not collected it yet (a zombie) runs no more.
TEST(ProcessIdentityTest, KilledChildNotYetCollected_IsNotRunning) {
    const pid_t child = fork();
    if (child == 0)
        pause();
    const auto identity = ProcessIdentity::Of(child).value_or(ProcessIdentity::Identity{});
    EXPECT_TRUE(ProcessIdentity::IsRunning(identity));
    kill(child, SIGKILL);
    siginfo_t info{};
    waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT); // ended, not collected
    EXPECT_FALSE(ProcessIdentity::IsRunning(identity));
    waitpid(child, nullptr, 0);
}
#else
BWSHOW_OTHER_SYSTEM_TEST(ProcessIdentityTest, KilledChildNotYetCollected_IsNotRunning)
#endif
