// Folder strings, sequence names and the small helpers that need no settings.
#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibArray.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

using namespace bw;

TEST(Paths, FolderAndSequenceNames) {
    // clang-format off
    const std::pair<const char*, const char*> folders[] = {
        {"", ""}, {"C:\\Shows\\", "C:\\Shows\\"}, {"C:\\Shows\\\\", "C:\\Shows\\\\"},
#ifdef _WIN32
        {"C:\\Shows", "C:\\Shows\\"}, {"C:/Shows/", "C:/Shows/\\"}, {"Shows", "Shows\\"},
#else
        // Joining uses "/" here, whatever the folder's own separators.
        {"C:\\Shows", "C:\\Shows/"}, {"/home/me/Shows", "/home/me/Shows/"}, {"/", "/"},
#endif
    };
    // Name, sequence folder: resolved path. Two leading backslashes make a network path.
    const std::tuple<const char*, const char*, const char*> resolved[] = {
        {"a.kas", "D:\\Seq\\", "D:\\Seq\\a.kas"},    {"\\a.kas", "D:\\Seq\\", "D:\\Seq\\a.kas"},
        {"sub\\a.kas", "D:\\Seq\\", "D:\\Seq\\sub\\a.kas"},
        {"\\\\srv\\share\\a.kas", "D:\\Seq\\", "\\\\srv\\share\\a.kas"},
        {"C:\\x\\a.kas", "D:\\Seq\\", "C:\\x\\a.kas"}, {"odd:name.kas", "D:\\Seq\\", "odd:name.kas"},
        {"", "D:\\Seq\\", ""},                       {"a.kas", "", "a.kas"}, {"\\a.kas", "", "\\a.kas"},
#ifdef _WIN32
        {"/a.kas", "D:\\Seq\\", "D:\\Seq\\/a.kas"},
#else
        {"/srv/a.kas", "/home/me/Seq/", "/srv/a.kas"}, {"a.kas", "/home/me/Seq/", "/home/me/Seq/a.kas"},
#endif
    };
    // The last "." of the whole path counts, even in a folder name; either separator ends a folder.
    const std::pair<const char*, const char*> names[] = {
        {"C:\\Shows\\Front Yard.kas", "Front Yard"}, {"Front Yard.kas", "Front Yard"},
        {"C:\\Shows\\Intro", "Intro"}, {"", ""},     {"C:\\My.Seq\\Intro", "My"},
        {"song.v2.kms", "song.v2"},    {"C:\\Shows\\.kas", ""}, {"C:\\Shows\\", ""},
        {"/home/me/Seq/Intro.kas", "Intro"}, {"C:\\Shows/mixed\\Intro.kms", "Intro"},
    };
    // clang-format on
    for (const auto& [folder, expected] : folders)
        EXPECT_EQ(BWCommon::AddBackslash(folder), expected) << folder;
    for (const auto& [name, folder, expected] : resolved)
        EXPECT_EQ(LibFile::ResolveSequencePath(name, folder), expected) << name << " in " << folder;
    for (const auto& [path, expected] : names)
        EXPECT_EQ(File::SequenceDisplayName(path), expected) << path;
}

TEST(Paths, SmallHelpers) {
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("(a,b,c,d)", 0)), 4);
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("no list", 0)), 0);
    EXPECT_EQ(LibArray::ArrayCount(ElementArray{1}), 0);

    const char* pages[] = {"getting_started_with_brightwave.htm",
                           "hardware_utility.htm",
                           "schedule_editor.htm",
                           "sequence_editor.htm",
                           "show_editor.htm",
                           "control_panel.htm",
                           "Verifier.htm",
                           "getting_started_with_brightwave.htm"};
    for (int topic = 0; topic <= 7; ++topic)
        EXPECT_EQ(libHelp::HelpTopicPage(topic), pages[topic]) << topic;
    EXPECT_EQ(libHelp::HelpTopicPage(INT32_MIN), pages[0]);

    // The folder of this program, with its separator; files only are files.
    const std::string folder = BWCommon::ExeFolder();
#ifdef _WIN32
    EXPECT_TRUE(folder.ends_with('\\') && LibFile::FileExists(folder + "environment_tests.exe"));
#else
    EXPECT_TRUE(folder.ends_with('/') && LibFile::FileExists(folder + "environment_tests"));
#endif
    EXPECT_FALSE(LibFile::FileExists(folder));
    EXPECT_FALSE(LibFile::FileExists(folder + "missing.kas"));
    EXPECT_FALSE(LibFile::FileExists(""));
}
