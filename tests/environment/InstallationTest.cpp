// Folders, programs, help and the installation check against the settings file, and BWPost end
// to end. Outside Windows only: the Windows counterparts are in WindowsInstallationTest.cpp.
#ifndef _WIN32

#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibFile.h"
#include "environment/PostInstallLaunch.h"
#include "environment/ProductSettings.h"

#include "DataFile.h"
#include "TemporaryHome.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace bw;
using namespace bw::test;

namespace {

using InstallationTest = TemporaryHome;

// Version and done marker below ten.
std::string Markers(int version, int done) {
    return "\"PostInstallVer\"=dword:0000000" + std::to_string(version) +
           "\r\n\"PostInstall\"=dword:0000000" + std::to_string(done) + "\r\n";
}

// Runs the check with the post-install program standing in as given; the messages shown.
std::vector<std::string> Check(bool& ok, std::function<bool(const std::string&)> program = {}) {
    std::vector<std::string> messages;
    const auto show = [&](const std::string& text, const std::string& title) {
        messages.push_back(title + ": " + text);
    };
    ok = program ? PostInstallLaunch::CheckInstallation(show, program)
                 : PostInstallLaunch::CheckInstallation(show);
    return messages;
}

} // namespace

TEST_F(InstallationTest, FoldersAndProgramsFromTheSharedSettings) {
    // Stored folder (none: no value) and the folder used; one written on Windows keeps its "\".
    const std::pair<const char*, const char*> cases[] = {
        {"/home/me/Seq", "/home/me/Seq/"}, {"C:\\Shows\\", "C:\\Shows\\"}, {nullptr, ""}};
    for (const auto& [stored, folder] : cases) {
        WriteShared(stored ? StringLine("NonAudioPath", stored) + StringLine("AppPath", stored)
                           : "");
        EXPECT_EQ(LibFile::GetNonAudioPath() + "|" + BWCommon::GetAppPath(),
                  std::string(folder) + "|" + folder);
    }
    // The tests lie beside BWPost in the build's program folder.
    WriteShared(StringLine("NonAudioPath", "/home/me/Seq") + StringLine("AppPath", "/opt/Suite"));
    EXPECT_EQ(LibFile::FullSequencePath("\\a.kas") + BWCommon::ProgramPath("BWSched"),
              "/home/me/Seq/a.kas/opt/Suite/BWSched");
    EXPECT_EQ(BWCommon::ProgramPath("BWPost"), BWCommon::ExeFolder() + "BWPost");
    WriteShared("");
    EXPECT_EQ(LibFile::FullSequencePath("a.kas") + BWCommon::ProgramPath("BWSched"),
              "a.kasBWSched");
    // Settings of the product key itself are not the shared ones.
    WriteStore("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Brightwave]\n\"AppPath\"=\"/wrong\"\n");
    EXPECT_EQ(BWCommon::GetAppPath(), "");
    EXPECT_EQ(LibRegistryBW::ReadBWString("AppPath", "", ""), "/wrong");
}

TEST_F(InstallationTest, CheckInstallation_NeedsBothMarkersAndThisFolder) {
    const std::string here = BWCommon::ExeFolder(),
                      complete = Markers(5, 1) + StringLine("AppPath", here);
    enum Program { Completes, DoesNothing, CannotStart };
    // Settings before: complete with the folder, without; what the program does, the result.
    const std::tuple<std::string, bool, bool, Program, bool> cases[] = {
        {complete, true, true, Completes, true},
        {Markers(6, 1) + StringLine("AppPath", here), true, true, DoesNothing, true},
        {Markers(4, 1) + StringLine("AppPath", here), false, false, Completes, true},
        {Markers(4, 1) + StringLine("AppPath", here), false, false, DoesNothing, false},
        {Markers(5, 0) + StringLine("AppPath", here), false, false, DoesNothing, false},
        {Markers(5, 1) + StringLine("AppPath", "/opt/Suite"), false, true, DoesNothing, false},
        {"", false, false, CannotStart, false}};
    for (const auto& [before, withFolder, withoutFolder, program, ok] : cases) {
        WriteShared(before);
        EXPECT_EQ(PostInstallLaunch::IsInstalledCorrectly(true), withFolder) << before;
        EXPECT_EQ(PostInstallLaunch::IsInstalledCorrectly(false), withoutFolder) << before;
        std::vector<std::string> runs;
        bool checked = false;
        const auto messages = Check(checked, [&, program = program](const std::string& path) {
            runs.push_back(path);
            if (program == Completes)
                WriteShared(complete);
            return program != CannotStart;
        });
        EXPECT_EQ(checked, ok) << before;
        EXPECT_EQ(runs.size(), withFolder ? 0u : 1u) << before;
        EXPECT_TRUE(runs.empty() || runs[0] == here + "BWPost");
        EXPECT_EQ(messages, ok ? std::vector<std::string>{}
                               : std::vector<std::string>{
                                     "Brightwave: Brightwave is not correctly installed."});
    }
}

TEST_F(InstallationTest, ShowHelpTopic_AddressesThePageInTheHelpFile) {
    std::vector<std::string> shown;
    const auto viewer = [&](libHelp::NativeWindow owner, const std::string& address) {
        shown.push_back(std::to_string(owner) + " " + address);
    };
    WriteShared(StringLine("AppPath", "/opt/Suite"));
    libHelp::ShowHelpTopic(42, 4, viewer);
    WriteShared("");
    libHelp::ShowHelpTopic(0, 1, viewer);
    EXPECT_EQ(shown, (std::vector<std::string>{"42 /opt/Suite/BWHelp.chm::/show_editor.htm",
                                               "0 BWHelp.chm::/hardware_utility.htm"}));
    EXPECT_EQ(libHelp::HelpFolderPage("/opt/Suite/BWHelp.chm::/show_editor.htm"),
              "/opt/share/brightwave/BWHelp/show_editor.htm");
    EXPECT_EQ(libHelp::HelpFolderPage("BWHelp.chm::/Verifier.htm"),
              "../share/brightwave/BWHelp/Verifier.htm");
    // The build tree has the installation's shape.
    for (std::int32_t topic = 0; topic <= 7; ++topic) {
        const std::string page = libHelp::HelpFolderPage(BWCommon::ExeFolder() + "BWHelp.chm::/" +
                                                         libHelp::HelpTopicPage(topic));
        EXPECT_TRUE(LibFile::FileExists(page)) << page;
    }
}

TEST_F(InstallationTest, BWPost_CompletesTheInstallationAndKeepsOtherSettings) {
    // An earlier version's settings, with a comment and a value that goes on over two lines.
    WriteStore(DataFile("registry/before-bwpost.reg"));
    bool ok = false;
    EXPECT_TRUE(Check(ok).empty());
    EXPECT_TRUE(ok && PostInstallLaunch::IsInstalledCorrectly(true));
    EXPECT_EQ(LibFile::GetNonAudioPath(), Home() + "/Brightwave/Sequences/");
    EXPECT_TRUE(std::filesystem::is_directory(Home() + "/Brightwave/Sequences"));
    EXPECT_NE(ReadStore().find("; kept by hand\r\n\"Controllers\"=hex:01,02,\\\r\n  03\r\n"),
              std::string::npos);
    EXPECT_EQ(LibRegistryBW::ReadBWString("Window", "Scheduler", ""), "maximised");
    // Replaced in one step: nothing but the file is left in its folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Home() + "/config/Brightwave"), {}),
              1);

    // The user's own sequence folder is kept; on a fresh machine the file is made.
    const std::string folderLine = "\"NonAudioPath\"=hex(2):2f,00,73,00,00,00\r\n";
    WriteShared(folderLine);
    // Waits for the program: its settings are there as soon as it returns.
    EXPECT_TRUE(PostInstallLaunch::RunProgramAndWait(BWCommon::ProgramPath("BWPost")));
    EXPECT_FALSE(PostInstallLaunch::RunProgramAndWait(Home() + "/missing"));
    EXPECT_TRUE(PostInstallLaunch::IsInstalledCorrectly(true));
    EXPECT_NE(ReadStore().find(folderLine), std::string::npos);
    EXPECT_EQ(LibFile::GetNonAudioPath(), "/s/");
    std::filesystem::remove(SettingsStore::FilePath());
    EXPECT_TRUE(Check(ok).empty() && ok);
    EXPECT_TRUE(ReadStore().starts_with("Windows Registry Editor Version 5.00\r\n"));
}

#endif
