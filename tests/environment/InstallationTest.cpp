// Folders, programs, help and the installation check against the settings file, and BWPost end
// to end. Outside Windows only: the Windows counterparts are in WindowsInstallationTest.cpp.
#ifndef _WIN32

#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"
#include "environment/ProductSettings.h"

#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace bw;
using namespace bw::test;

namespace {

class InstallationTest : public TemporaryHome {};

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return text;
}

std::string Markers(int version, int done) {
    char line[80];
    std::snprintf(line, sizeof line,
                  "\"PostInstallVer\"=dword:%08x\r\n\"PostInstall\"=dword:%08x\r\n",
                  static_cast<unsigned>(version), static_cast<unsigned>(done));
    return line;
}

struct Message {
    std::string text;
    std::string title;
};

} // namespace

TEST_F(InstallationTest, FoldersFromTheSharedSettings) {
    struct Case {
        const char* stored; // null: no value
        const char* folder;
    };
    const Case cases[] = {
        {"/home/me/Seq", "/home/me/Seq/"},
        {"/home/me/Seq/", "/home/me/Seq/"},
        // A folder written on Windows keeps its own final separator.
        {"C:\\Shows\\", "C:\\Shows\\"},
        {"C:\\Shows", "C:\\Shows/"},
        {"", ""},
        {nullptr, ""},
    };
    for (const Case& test : cases) {
        const std::string value =
            test.stored == nullptr ? "" : StringLine("NonAudioPath", test.stored);
        const std::string app = test.stored == nullptr ? "" : StringLine("AppPath", test.stored);
        WriteShared(value + app);
        EXPECT_EQ(LibFile::GetNonAudioPath(), test.folder) << (test.stored ? test.stored : "none");
        EXPECT_EQ(BWCommon::GetAppPath(), test.folder) << (test.stored ? test.stored : "none");
    }
    // Settings of the product key itself are not the shared ones.
    WriteStore("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Brightwave]\n\"AppPath\"=\"/wrong\"\n");
    EXPECT_EQ(BWCommon::GetAppPath(), "");
    EXPECT_EQ(LibRegistryBW::ReadBWString("AppPath", "", ""), "/wrong");
}

TEST_F(InstallationTest, FullSequencePath_ResolvesAgainstTheStoredFolder) {
    WriteShared(StringLine("NonAudioPath", "/home/me/Seq"));
    EXPECT_EQ(LibFile::FullSequencePath("a.kas"), "/home/me/Seq/a.kas");
    EXPECT_EQ(LibFile::FullSequencePath("\\a.kas"), "/home/me/Seq/a.kas");
    EXPECT_EQ(LibFile::FullSequencePath("sub/a.kas"), "/home/me/Seq/sub/a.kas");
    EXPECT_EQ(LibFile::FullSequencePath("/srv/a.kas"), "/srv/a.kas");
    EXPECT_EQ(LibFile::FullSequencePath("C:\\x\\a.kas"), "C:\\x\\a.kas");
    EXPECT_EQ(LibFile::FullSequencePath("\\\\srv\\share\\a.kas"), "\\\\srv\\share\\a.kas");
    EXPECT_EQ(LibFile::FullSequencePath(""), "");

    // A sequence folder written on Windows, as a show moved from there may meet it.
    WriteShared(StringLine("NonAudioPath", "D:\\Seq\\"));
    EXPECT_EQ(LibFile::FullSequencePath("\\a.kas"), "D:\\Seq\\a.kas");

    WriteShared("");
    EXPECT_EQ(LibFile::FullSequencePath("a.kas"), "a.kas");
}

TEST_F(InstallationTest, ProgramPath_PrefersTheProgramBesideThisOne) {
    // The tests lie beside BWPost in the build's program folder.
    const std::string beside = BWCommon::ExeFolder() + "BWPost";
    ASSERT_TRUE(LibFile::FileExists(beside));
    WriteShared(StringLine("AppPath", "/opt/Suite"));
    EXPECT_EQ(BWCommon::ProgramPath("BWPost"), beside);
    EXPECT_EQ(BWCommon::ProgramPath("BWSched"), "/opt/Suite/BWSched");
    WriteShared("");
    EXPECT_EQ(BWCommon::ProgramPath("BWSched"), "BWSched");
}

TEST_F(InstallationTest, IsInstalledCorrectly_NeedsBothMarkersAndTheSameFolder) {
    const std::string here = BWCommon::ExeFolder();
    struct Case {
        const char* what;
        std::string values;
        bool withFolder;
        bool withoutFolder;
    };
    const Case cases[] = {
        {"complete", Markers(5, 1) + StringLine("AppPath", here), true, true},
        {"a later version", Markers(6, 1) + StringLine("AppPath", here), true, true},
        {"version 4", Markers(4, 1) + StringLine("AppPath", here), false, false},
        {"not done", Markers(5, 0) + StringLine("AppPath", here), false, false},
        {"other folder", Markers(5, 1) + StringLine("AppPath", "/opt/Suite"), false, true},
        {"folder in other letter case", Markers(5, 1) + StringLine("AppPath", UpperCase(here)),
         false, true},
        {"no folder", Markers(5, 1), false, true},
        {"nothing", "", false, false},
    };
    for (const Case& test : cases) {
        WriteShared(test.values);
        EXPECT_EQ(PostInstallLaunch::IsInstalledCorrectly(true), test.withFolder) << test.what;
        EXPECT_EQ(PostInstallLaunch::IsInstalledCorrectly(false), test.withoutFolder) << test.what;
    }
}

TEST_F(InstallationTest, CheckInstallation_RunsThePostInstallProgramAndChecksAgain) {
    const std::string here = BWCommon::ExeFolder();
    const std::string complete = Markers(5, 1) + StringLine("AppPath", here);
    enum class Program { Completes, DoesNothing, CannotStart };
    struct Case {
        const char* what;
        std::string before;
        Program program;
        bool runs;
        bool ok;
    };
    const Case cases[] = {
        {"complete already", complete, Program::Completes, false, true},
        {"version 4, completed by the program", Markers(4, 1) + StringLine("AppPath", here),
         Program::Completes, true, true},
        {"version 4, still incomplete", Markers(4, 1) + StringLine("AppPath", here),
         Program::DoesNothing, true, false},
        {"folder in other letter case", Markers(5, 1) + StringLine("AppPath", UpperCase(here)),
         Program::DoesNothing, true, false},
        {"no installation folder", Markers(5, 1), Program::DoesNothing, true, false},
        {"program cannot start", "", Program::CannotStart, true, false},
    };
    for (const Case& test : cases) {
        WriteShared(test.before);
        std::vector<std::string> runs;
        std::vector<Message> messages;
        const bool ok = PostInstallLaunch::CheckInstallation(
            [&](const std::string& text, const std::string& title) {
                messages.push_back({text, title});
            },
            [&](const std::string& program) {
                runs.push_back(program);
                if (test.program == Program::Completes)
                    WriteShared(complete);
                return test.program != Program::CannotStart;
            });
        EXPECT_EQ(ok, test.ok) << test.what;
        EXPECT_EQ(runs, test.runs ? std::vector<std::string>{here + "BWPost"}
                                  : std::vector<std::string>{})
            << test.what;
        ASSERT_EQ(messages.size(), test.ok ? 0u : 1u) << test.what;
        if (!test.ok) {
            EXPECT_EQ(messages[0].text, "Brightwave is not correctly installed.");
            EXPECT_EQ(messages[0].title, "Brightwave");
        }
    }
}

TEST_F(InstallationTest, RunProgramAndWait_WaitsUntilTheProgramEnds) {
    const std::string script = Home() + "/program";
    const std::string output = Home() + "/program.out";
    std::ofstream(script) << "#!/bin/sh\nsleep 0.3\necho ran > \"$0.out\"\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);

    EXPECT_TRUE(PostInstallLaunch::RunProgramAndWait(script));
    EXPECT_TRUE(LibFile::FileExists(output));

    EXPECT_FALSE(PostInstallLaunch::RunProgramAndWait(Home() + "/missing"));
    std::filesystem::permissions(script, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write);
    EXPECT_FALSE(PostInstallLaunch::RunProgramAndWait(script));
}

TEST_F(InstallationTest, ShowHelpTopic_AddressesThePageInTheHelpFile) {
    WriteShared(StringLine("AppPath", "/opt/Suite"));
    std::vector<std::pair<libHelp::NativeWindow, std::string>> shown;
    const auto viewer = [&](libHelp::NativeWindow owner, const std::string& address) {
        shown.emplace_back(owner, address);
    };
    libHelp::ShowHelpTopic(42, 4, viewer);
    libHelp::ShowHelpTopic(0, 9, viewer);
    WriteShared("");
    libHelp::ShowHelpTopic(0, 1, viewer);
    const std::vector<std::pair<libHelp::NativeWindow, std::string>> expected{
        {42, "/opt/Suite/BWHelp.chm::/show_editor.htm"},
        {0, "/opt/Suite/BWHelp.chm::/getting_started_with_brightwave.htm"},
        {0, "BWHelp.chm::/hardware_utility.htm"},
    };
    EXPECT_EQ(shown, expected);

    EXPECT_EQ(libHelp::HelpFolderPage("/opt/Suite/BWHelp.chm::/show_editor.htm"),
              "/opt/share/brightwave/BWHelp/show_editor.htm");
    EXPECT_EQ(libHelp::HelpFolderPage("BWHelp.chm::/Verifier.htm"),
              "../share/brightwave/BWHelp/Verifier.htm");
}

TEST_F(InstallationTest, HelpFolder_HoldsEveryTopicPage) {
    // The build tree has the installation's shape.
    for (std::int32_t topic = 0; topic <= 7; ++topic) {
        const std::string page = libHelp::HelpFolderPage(BWCommon::ExeFolder() + "BWHelp.chm::/" +
                                                         libHelp::HelpTopicPage(topic));
        EXPECT_TRUE(LibFile::FileExists(page)) << page;
    }
}

TEST_F(InstallationTest, BWPost_CompletesTheInstallationAndKeepsOtherSettings) {
    const std::string here = BWCommon::ExeFolder();
    WriteStore("Windows Registry Editor Version 5.00\r\n"
               "\r\n"
               "[HKEY_CURRENT_USER\\Software\\Brightwave\\Shared]\r\n"
               "; kept by hand\r\n"
               "\"Controllers\"=hex:01,02,\\\r\n"
               "  03\r\n"
               "\"PostInstallVer\"=dword:00000004\r\n"
               "\r\n"
               "[HKEY_CURRENT_USER\\Software\\Brightwave\\Scheduler]\r\n"
               "\"Window\"=\"maximised\"\r\n");
    ASSERT_FALSE(PostInstallLaunch::IsInstalledCorrectly(true));

    std::vector<Message> messages;
    const auto record = [&](const std::string& text, const std::string& title) {
        messages.push_back({text, title});
    };
    EXPECT_TRUE(PostInstallLaunch::CheckInstallation(record));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(PostInstallLaunch::IsInstalledCorrectly(true));
    EXPECT_EQ(BWCommon::GetAppPath(), here);
    EXPECT_EQ(LibFile::GetNonAudioPath(), Home() + "/Brightwave/Sequences/");
    EXPECT_TRUE(std::filesystem::is_directory(Home() + "/Brightwave/Sequences"));
    EXPECT_EQ(PostInstallLaunch::PostInstallVersion(), 5);
    EXPECT_TRUE(PostInstallLaunch::PostInstallDone());

    const std::string after = ReadStore();
    EXPECT_NE(after.find("; kept by hand\r\n\"Controllers\"=hex:01,02,\\\r\n  03\r\n"),
              std::string::npos)
        << after;
    EXPECT_EQ(LibRegistryBW::ReadBWString("Window", "Scheduler", ""), "maximised");
    EXPECT_EQ(LibRegistryBWShared::ReadSharedLong("Controllers", "", 0), 0x030201);
    // Replaced in one step: nothing but the file is left in its folder.
    const auto entries =
        std::distance(std::filesystem::directory_iterator(Home() + "/config/Brightwave"), {});
    EXPECT_EQ(entries, 1);
}

TEST_F(InstallationTest, BWPost_KeepsTheUsersSequenceFolder) {
    const std::string folderLine = "\"NonAudioPath\"=hex(2):2f,00,73,00,00,00\r\n";
    WriteShared(folderLine);
    ASSERT_EQ(LibFile::GetNonAudioPath(), "/s/");
    EXPECT_TRUE(PostInstallLaunch::RunProgramAndWait(BWCommon::ProgramPath("BWPost")));
    EXPECT_TRUE(PostInstallLaunch::IsInstalledCorrectly(true));
    EXPECT_EQ(LibFile::GetNonAudioPath(), "/s/");
    EXPECT_NE(ReadStore().find(folderLine), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Home() + "/Brightwave"));
}

TEST_F(InstallationTest, BWPost_OnAFreshMachine) {
    ASSERT_FALSE(std::filesystem::exists(SettingsStore::FilePath()));
    std::vector<Message> messages;
    EXPECT_TRUE(PostInstallLaunch::CheckInstallation(
        [&](const std::string& text, const std::string& title) {
            messages.push_back({text, title});
        }));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(ReadStore().starts_with("Windows Registry Editor Version 5.00\r\n"));
    EXPECT_EQ(LibFile::GetNonAudioPath(), Home() + "/Brightwave/Sequences/");
}

#endif
