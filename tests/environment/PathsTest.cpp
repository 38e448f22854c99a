// Sequence paths and names and the small helpers that need no settings.
#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibArray.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(Paths, FolderAndSequenceNames) {
    // clang-format off
    // Name, sequence folder: resolved path. Two leading backslashes make a network path.
    const std::tuple<const char*, const char*, const char*> resolved[] = {
        {"a.kas", "D:\\Seq\\", "D:\\Seq\\a.kas"},    {"\\a.kas", "D:\\Seq\\", "D:\\Seq\\a.kas"},
        {"\\\\srv\\share\\a.kas", "D:\\Seq\\", "\\\\srv\\share\\a.kas"},
        {"C:\\x\\a.kas", "D:\\Seq\\", "C:\\x\\a.kas"}, {"odd:name.kas", "D:\\Seq\\", "odd:name.kas"},
        {"", "D:\\Seq\\", ""},                       {"\\a.kas", "", "\\a.kas"},
#ifndef _WIN32
        {"/srv/a.kas", "/home/me/Seq/", "/srv/a.kas"},
#endif
    };
    // The last "." of the whole path counts, even in a folder name; either separator ends a folder.
    const std::pair<const char*, const char*> names[] = {
        {"C:\\Shows\\Front Yard.kas", "Front Yard"}, {"C:\\Shows\\Intro", "Intro"}, {"", ""},
        {"C:\\My.Seq\\Intro", "My"}, {"song.v2.kms", "song.v2"}, {"C:\\Shows/mixed\\Intro.kms", "Intro"},
    };
    // clang-format on
    for (const auto& [name, folder, expected] : resolved)
        EXPECT_EQ(LibFile::ResolveSequencePath(name, folder), expected) << name << " in " << folder;
    for (const auto& [path, expected] : names)
        EXPECT_EQ(File::SequenceDisplayName(path), expected) << path;
}

TEST(Paths, SmallHelpers) {
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("(a,b,c,d)", 0)), 4);
    EXPECT_EQ(LibArray::ArrayCount(ElementArray{1}), 0);
    EXPECT_EQ(libHelp::HelpTopicPage(6), "Verifier.htm");

    // The folder of this program, with its separator; files only are files.
    const std::string folder = BWCommon::ExeFolder();
#ifdef _WIN32
    EXPECT_TRUE(folder.ends_with('\\') && LibFile::FileExists(folder + "environment_tests.exe"));
#else
    EXPECT_TRUE(folder.ends_with('/') && LibFile::FileExists(folder + "environment_tests"));
#endif
    EXPECT_FALSE(LibFile::FileExists(folder) || LibFile::FileExists(folder + "missing.kas"));
}
