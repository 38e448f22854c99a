// Folder strings, sequence names and the small helpers that need no settings.

#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibArray.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

using namespace bw;

TEST(Paths, AddBackslash_AppendsOneSeparatorToAFolderWithout) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"", ""},
        {"C:\\Shows\\", "C:\\Shows\\"},
        {"C:\\Shows\\\\", "C:\\Shows\\\\"},
#ifdef _WIN32
        {"C:\\Shows", "C:\\Shows\\"},
        {"C:/Shows/", "C:/Shows/\\"},
        {"Shows", "Shows\\"},
#else
        // Joining uses "/" here, whatever the folder's own separators.
        {"C:\\Shows", "C:\\Shows/"},
        {"/home/me/Shows", "/home/me/Shows/"},
        {"/home/me/Shows/", "/home/me/Shows/"},
        {"/", "/"},
        {"Shows", "Shows/"},
#endif
    };
    for (const Case& test : cases)
        EXPECT_EQ(BWCommon::AddBackslash(test.path), test.expected) << test.path;
}

TEST(Paths, ResolveSequencePath_PutsTheSequenceFolderBeforeRelativeNames) {
    struct Case {
        const char* name;
        const char* folder;
        const char* expected;
    };
    const Case cases[] = {
        {"a.kas", "D:\\Seq\\", "D:\\Seq\\a.kas"},
        {"\\a.kas", "D:\\Seq\\", "D:\\Seq\\a.kas"},
        {"sub\\a.kas", "D:\\Seq\\", "D:\\Seq\\sub\\a.kas"},
        // Only one leading backslash is dropped; two make a network path, left alone.
        {"\\\\srv\\share\\a.kas", "D:\\Seq\\", "\\\\srv\\share\\a.kas"},
        {"C:\\x\\a.kas", "D:\\Seq\\", "C:\\x\\a.kas"},
        {"odd:name.kas", "D:\\Seq\\", "odd:name.kas"},
        {"", "D:\\Seq\\", ""},
        {"a.kas", "", "a.kas"},
        {"\\a.kas", "", "\\a.kas"},
#ifdef _WIN32
        {"/a.kas", "D:\\Seq\\", "D:\\Seq\\/a.kas"},
#else
        // A name that begins with "/" is absolute here.
        {"/srv/a.kas", "/home/me/Seq/", "/srv/a.kas"},
        {"a.kas", "/home/me/Seq/", "/home/me/Seq/a.kas"},
#endif
    };
    for (const Case& test : cases)
        EXPECT_EQ(LibFile::ResolveSequencePath(test.name, test.folder), test.expected)
            << test.name << " in " << test.folder;
}

TEST(Paths, SequenceDisplayName_CutsExtensionThenFolder) {
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Shows\\Front Yard.kas", "Front Yard"},
        {"Front Yard.kas", "Front Yard"},
        {"C:\\Shows\\Intro", "Intro"},
        {"", ""},
        // The last "." of the whole path counts, even in a folder name.
        {"C:\\My.Seq\\Intro", "My"},
        {"C:\\Shows\\Intro Part 2.kas", "Intro Part 2"},
        {"song.v2.kms", "song.v2"},
        {"C:\\Shows\\.kas", ""},
        {"C:\\Shows\\", ""},
        {"Plain", "Plain"},
        // Shows made on either system list the same names on both.
        {"/home/me/Seq/Intro.kas", "Intro"},
        {"C:\\Shows/mixed\\Intro.kms", "Intro"},
    };
    for (const Case& test : cases)
        EXPECT_EQ(File::SequenceDisplayName(test.path), test.expected) << test.path;
}

TEST(Paths, ArrayCount_IsUpperMinusLowerBoundPlusOne) {
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("(a,b,c)", 1)), 3);
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("(a,b,c,d)", 0)), 4);
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("no list", 0)), 0);
    EXPECT_EQ(LibArray::ArrayCount(ElementArray{}), 0);
    EXPECT_EQ(LibArray::ArrayCount(ElementArray{1}), 0);
}

TEST(Paths, HelpTopicPage_ByTopicNumber) {
    struct Case {
        std::int32_t topic;
        const char* page;
    };
    const Case cases[] = {
        {1, "hardware_utility.htm"},
        {2, "schedule_editor.htm"},
        {3, "sequence_editor.htm"},
        {4, "show_editor.htm"},
        {5, "control_panel.htm"},
        {6, "Verifier.htm"},
        {0, "getting_started_with_brightwave.htm"},
        {7, "getting_started_with_brightwave.htm"},
        {-1, "getting_started_with_brightwave.htm"},
        {INT32_MIN, "getting_started_with_brightwave.htm"},
    };
    for (const Case& test : cases)
        EXPECT_EQ(libHelp::HelpTopicPage(test.topic), test.page) << test.topic;
}

TEST(Paths, FileExists_OnlyForFilesThatAreThere) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "bwshow-fileexists-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "a file.kas").string();
    std::ofstream(file) << "x";

    EXPECT_TRUE(LibFile::FileExists(file));
    EXPECT_FALSE(LibFile::FileExists(folder.string()));
    EXPECT_FALSE(LibFile::FileExists((folder / "missing.kas").string()));
    EXPECT_FALSE(LibFile::FileExists(""));
    std::filesystem::remove_all(folder);
}

TEST(Paths, ExeFolder_IsTheFolderOfThisProgram) {
#ifdef _WIN32
    const std::string program = "environment_tests.exe";
    const char separator = '\\';
#else
    const std::string program = "environment_tests";
    const char separator = '/';
#endif
    const std::string folder = BWCommon::ExeFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), separator);
    EXPECT_TRUE(LibFile::FileExists(folder + program)) << folder;
    EXPECT_FALSE(LibFile::FileExists(folder));
}
