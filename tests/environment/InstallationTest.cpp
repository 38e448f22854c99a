// Folders, programs, help and the installation check against the settings file, and BWPost end to
// end. Outside Windows only: the Windows counterparts are in WindowsInstallationTest.cpp.
#include "OtherSystemTest.h"
#ifndef _WIN32

#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"
#include "environment/ProductSettings.h"

#include "DataFile.h"
#include "NonLatinNames.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace bw;
using namespace bw::test;

namespace {

using InstallationTest = TemporaryHome;

// Version and done marker below ten.
std::string Markers(int version, int done) {
    return "\"PostInstallVer\"=dword:0000000" + std::to_string(version) +
           "\r\n\"PostInstall\"=dword:0000000" + std::to_string(done) + "\r\n";
}

} // namespace

// A folder written on Windows keeps its "\"; a program that is not beside this one is looked for
// in the suite's folder.
TEST_F(InstallationTest, FoldersAndProgramsFromTheSharedSettings) {
    WriteShared("\"NonAudioPath\"=\"C:\\\\Shows\\\\\"\r\n" + StringLine("AppPath", "/opt/Suite"));
    EXPECT_EQ(LibFile::FullSequencePath("\\a.kas") + "|" + BWCommon::ProgramPath("BWSched"),
              "C:\\Shows\\a.kas|/opt/Suite/BWSched");
    // Settings of the product key itself are not the shared ones.
    WriteStore("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Brightwave]\n\"AppPath\"=\"/wrong\"\n");
    EXPECT_EQ(BWCommon::GetAppPath(), "");
}

TEST_F(InstallationTest, CheckInstallation_NeedsBothMarkersAndThisFolder) {
    const std::string here = BWCommon::ExeFolder();
    std::string upper = here;
    for (char& ch : upper)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (const auto& row : DataRows("environment/installation-check.txt")) {
        const bool complete = row[3] == "T", completes = row[4] == "T", ok = row[5] == "T";
        const std::string folder = row[2] == "here" ? here : row[2] == "HERE" ? upper : row[2];
        const std::string before =
            Markers(std::stoi(row[0]), std::stoi(row[1])) + StringLine("AppPath", folder);
        WriteShared(before);
        std::vector<std::string> runs, messages;
        const bool checked = PostInstallLaunch::CheckInstallation(
            [&](const std::string& text, const std::string& title) {
                messages.push_back(title + ": " + text);
            },
            [&](const std::string& path) {
                runs.push_back(path);
                if (completes)
                    WriteShared(Markers(5, 1) + StringLine("AppPath", here));
                return true;
            });
        EXPECT_EQ(checked, ok) << before;
        EXPECT_EQ(runs, std::vector<std::string>(complete ? 0 : 1, here + "BWPost")) << before;
        EXPECT_EQ(messages, std::vector<std::string>(
                                ok ? 0 : 1, "Brightwave: Brightwave is not correctly installed."));
    }
    EXPECT_FALSE(PostInstallLaunch::RunProgramAndWait(Home() + "/missing"));
}

// Help pages lie in the help folder of the installation, whose shape the build tree has. A topic
// without a page of its own opens the introduction.
TEST_F(InstallationTest, ShowHelpTopic_AddressesThePageInTheHelpFile) {
    for (const auto& row : DataRows("environment/help-topics.txt")) {
        const std::int32_t topic = std::stoi(row[0]);
        const std::string& page = row[1];
        std::vector<std::string> shown;
        WriteShared(StringLine("AppPath", "/opt/Suite"));
        libHelp::ShowHelpTopic(42, topic, [&](libHelp::NativeWindow owner, const std::string& at) {
            shown.push_back(std::to_string(owner) + " " + libHelp::HelpFolderPage(at));
        });
        EXPECT_EQ(shown, std::vector<std::string>{"42 /opt/share/brightwave/BWHelp/" + page});
        WriteShared(StringLine("AppPath", BWCommon::ExeFolder()));
        EXPECT_TRUE(LibFile::FileExists(libHelp::HelpFolderPage(libHelp::HelpTopicAddress(topic))))
            << page;
    }
}

// The suite installed in a home folder named in scripts that Windows-1252 cannot hold, in bytes
// that are not UTF-8, with line breaks, or deeper than a program's path is first looked up with:
// the installation check run from there runs BWPost, which records the folders, keeping settings.
TEST_F(InstallationTest, SuiteElsewhere_BWPostRecordsWhatTheCheckFinds) {
    std::vector<std::string> names(NonLatinNames.begin(), NonLatinNames.end());
    names.push_back(std::string(150, 'd') + "/" + std::string(150, 'e'));
    // Names that are not UTF-8 and names with a line break, each with fresh settings and with an
    // earlier version's.
    for (const char* name : {"inst-caf\xE9", "inst-caf\xE9\x81", "two\nlines", "two\nlines\r"})
        names.push_back(name);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string home = Home() + "/" + names[i], config = home + "/.config/Brightwave";
        const std::string suite = home + "/" + names[i] + " Suite/";
        std::filesystem::create_directories(suite);
        for (const char* program : {"BWPost", "installation_probe"})
            std::filesystem::copy_file(BWCommon::ExeFolder() + program, suite + program);
        setenv("HOME", home.c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        // Every other home has an earlier version's settings in Windows-1252, with a sequence
        // folder of the user's own, a comment and a value that goes on over two lines.
        const bool earlier = i % 2 == 1;
        if (earlier)
            WriteStore(DataFile("registry/before-bwpost.reg"));

        EXPECT_TRUE(PostInstallLaunch::RunProgramAndWait(suite + "installation_probe"));
        EXPECT_TRUE(PostInstallLaunch::IsInstalledCorrectly(false));
        EXPECT_EQ(BWCommon::GetAppPath(), suite);
        EXPECT_EQ(LibFile::GetNonAudioPath(),
                  earlier ? "/srv/Caf\xC3\xA9/" : home + "/Brightwave/Sequences/");
        EXPECT_EQ(std::filesystem::is_directory(home + "/Brightwave/Sequences"), !earlier);
        const std::string store = ReadStore();
        EXPECT_EQ(store.find("; kept by hand\r\n\"Controllers\"=hex:01,02,\\\r\n  03\r\n") !=
                      std::string::npos,
                  earlier);
        EXPECT_EQ(LibRegistryBW::ReadBWString("Window", "Scheduler", ""),
                  earlier ? "maximised" : "");
        EXPECT_TRUE(earlier || store.starts_with("Windows Registry Editor Version 5.00\r\n"));
        // Replaced in one step: nothing but the file is left in its folder.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(config), {}), 1);
    }
}

#else
BWSHOW_OTHER_SYSTEM_TEST(InstallationTest, FoldersAndProgramsFromTheSharedSettings)
BWSHOW_OTHER_SYSTEM_TEST(InstallationTest, CheckInstallation_NeedsBothMarkersAndThisFolder)
BWSHOW_OTHER_SYSTEM_TEST(InstallationTest, ShowHelpTopic_AddressesThePageInTheHelpFile)
BWSHOW_OTHER_SYSTEM_TEST(InstallationTest, SuiteElsewhere_BWPostRecordsWhatTheCheckFinds)
#endif
