// Folders, programs, help and the installation check against the real registry. The shared
// settings are put there by .ci/windows-tests with "reg add" before the tests run:
//   AppPath "C:\Suite", NonAudioPath "D:\Seq", PostInstall 1, PostInstallVer 4.
#include "OtherSystemTest.h"
#ifdef _WIN32

#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace bw;

TEST(WindowsInstallation, FoldersProgramsAndHelp) {
    EXPECT_EQ(BWCommon::GetAppPath(), "C:\\Suite\\");
    EXPECT_EQ(LibFile::GetNonAudioPath(), "D:\\Seq\\");
    EXPECT_EQ(LibFile::FullSequencePath("\\a.kas"), "D:\\Seq\\a.kas");
    EXPECT_EQ(LibFile::FullSequencePath("\\\\srv\\share\\a.kas"), "\\\\srv\\share\\a.kas");
    EXPECT_EQ(BWCommon::ProgramPath("environment_tests"),
              BWCommon::ExeFolder() + "environment_tests.exe");
    // BWPost is built beside the tests, and a program beside the editor comes before AppPath's.
    EXPECT_EQ(BWCommon::ProgramPath("BWPost"), BWCommon::ExeFolder() + "BWPost.exe");
    EXPECT_EQ(BWCommon::ProgramPath("NotBuilt"), "C:\\Suite\\NotBuilt.exe");
    std::vector<std::string> addresses;
    libHelp::ShowHelpTopic(0, 4, [&](libHelp::NativeWindow, const std::string& address) {
        addresses.push_back(address);
    });
    EXPECT_EQ(addresses, std::vector<std::string>{"C:\\Suite\\BWHelp.chm::/show_editor.htm"});
}

TEST(WindowsInstallation, CheckInstallation_RunsThePostInstallProgramAndChecksAgain) {
    // Version 4 and a folder that is not this program's: incomplete before and after.
    EXPECT_FALSE(PostInstallLaunch::IsInstalledCorrectly(false));
    EXPECT_EQ(PostInstallLaunch::PostInstallVersion(), 4);
    EXPECT_TRUE(PostInstallLaunch::PostInstallDone());
    std::vector<std::string> runs, messages;
    EXPECT_FALSE(PostInstallLaunch::CheckInstallation(
        [&](const std::string& text, const std::string& title) {
            messages.push_back(title + ": " + text);
        },
        [&](const std::string& program) {
            runs.push_back(program);
            return false;
        }));
    EXPECT_EQ(runs, std::vector<std::string>{BWCommon::ExeFolder() + "BWPost.exe"});
    EXPECT_EQ(messages,
              std::vector<std::string>{"Brightwave: Brightwave is not correctly installed."});

    const char* root = std::getenv("SystemRoot");
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(
        PostInstallLaunch::RunProgramAndWait(std::string(root) + "\\system32\\hostname.exe"));
    EXPECT_FALSE(PostInstallLaunch::RunProgramAndWait("C:\\Suite\\BWPost.exe"));
}

#else
BWSHOW_OTHER_SYSTEM_TEST(WindowsInstallation, FoldersProgramsAndHelp)
BWSHOW_OTHER_SYSTEM_TEST(WindowsInstallation,
                         CheckInstallation_RunsThePostInstallProgramAndChecksAgain)
#endif
