// Sequence paths and names and the small helpers that need no settings.
#include "environment/BWCommon.h"
#include "environment/Help.h"
#include "environment/LibArray.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "listtext/Serialize.h"

#include "DataFile.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bw;

TEST(Paths, FolderAndSequenceNames) {
    std::istringstream lines(test::DataFile("paths/sequence-paths.txt"));
    int cases = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('#'))
            continue;
        ++cases;
        const size_t first = line.find('\t'), second = line.find('\t', first + 1);
        if (second == std::string::npos)
            EXPECT_EQ(File::SequenceDisplayName(line.substr(0, first)), line.substr(first + 1));
        else
            EXPECT_EQ(LibFile::ResolveSequencePath(line.substr(0, first),
                                                   line.substr(first + 1, second - first - 1)),
                      line.substr(second + 1))
                << line;
    }
    EXPECT_EQ(cases, 13);
#ifndef _WIN32
    EXPECT_EQ(LibFile::ResolveSequencePath("/srv/a.kas", "/home/me/Seq/"), "/srv/a.kas");
#endif
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
