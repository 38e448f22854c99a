// Recovery copies: what a damaged one looks like to the reader, and several editors sharing the
// folder without taking each other's copies.
#include "environment/RecoveryStore.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace bw;

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
    for (const auto& [bytes, readable] : cases) {
        const std::optional<RecoveryCopy> read = RecoveryStore::Decode(bytes);
        EXPECT_EQ(read.has_value(), readable) << bytes.size() << " bytes";
        if (read) {
            EXPECT_EQ(*read, Sample);
        }
    }
}

TEST_F(RecoveryStoreTest, SeveralEditors_EachKeepsItsOwnCopyAndOnlyAnEndedOnesIsTaken) {
    const ProcessIdentity::Identity me = ProcessIdentity::Current();
    // The same process id, started at another time: an editor that ended, whose id the system
    // has given to this process since.
    const ProcessIdentity::Identity ended{me.pid, me.started + "0"};
    ASSERT_TRUE(ProcessIdentity::IsRunning(me));
    ASSERT_FALSE(ProcessIdentity::IsRunning(ended));

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
    ASSERT_TRUE(mine.Remove());
    ASSERT_TRUE(mine.Take(abandoned[0]));
    EXPECT_FALSE(second.Take(abandoned[0]));
    EXPECT_EQ(RecoveryStore::Read(mine.OwnPath()),
              (RecoveryCopy{"(crashed)", "/shows/a.kss", 100, ended}));
    EXPECT_TRUE(mine.Remove());
    EXPECT_FALSE(std::filesystem::exists(mine.OwnPath()));
}

#ifndef _WIN32
// An editor killed a moment ago whose parent has not collected it yet (a zombie) runs no more:
// its copy is offered at once.
TEST(ProcessIdentityTest, KilledChildNotYetCollected_IsNotRunning) {
    const pid_t child = fork();
    if (child == 0) {
        pause();
        _exit(0);
    }
    ASSERT_GT(child, 0);
    const std::optional<ProcessIdentity::Identity> identity = ProcessIdentity::Of(child);
    const bool runningBefore = identity && ProcessIdentity::IsRunning(*identity);
    kill(child, SIGKILL);
    siginfo_t info{};
    // Waits for its end without collecting it.
    waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT);
    const bool runningAfter = identity && ProcessIdentity::IsRunning(*identity);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(runningBefore);
    EXPECT_FALSE(runningAfter);
}
#endif
