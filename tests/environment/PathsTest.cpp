// Sequence paths and names and the small helpers that need no settings.
#include "environment/BWCommon.h"
#include "environment/LibArray.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "listtext/Serialize.h"

#include "DataFile.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(Paths, FolderAndSequenceNames) {
    for (const auto& row : test::DataRows("paths/sequence-paths.txt")) {
        if (row.size() == 2)
            EXPECT_EQ(File::SequenceDisplayName(row[0]), row[1]);
        else
            EXPECT_EQ(LibFile::ResolveSequencePath(row[0], row[1]), row[2]) << row[0];
    }
#ifndef _WIN32
    EXPECT_EQ(LibFile::ResolveSequencePath("/srv/a.kas", "/home/me/Seq/"), "/srv/a.kas");
#endif
}

TEST(Paths, SmallHelpers) {
    EXPECT_EQ(LibArray::ArrayCount(Serialize::ListFromText("(a,b,c,d)", 0)), 4);
    EXPECT_EQ(LibArray::ArrayCount(ElementArray{1}), 0);

    // The folder of this program, with its separator; files only are files.
    const std::string folder = BWCommon::ExeFolder();
#ifdef _WIN32
    EXPECT_TRUE(folder.ends_with('\\') && LibFile::FileExists(folder + "environment_tests.exe"));
#else
    EXPECT_TRUE(folder.ends_with('/') && LibFile::FileExists(folder + "environment_tests"));
#endif
    EXPECT_FALSE(LibFile::FileExists(folder) || LibFile::FileExists(folder + "missing.kas"));
}
