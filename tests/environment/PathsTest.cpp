// Sequence paths and names and the small helpers that need no settings.
#include "environment/BWCommon.h"
#include "environment/LibArray.h"
#include "environment/LibFile.h"
#include "environment/SequenceName.h"
#include "environment/Utf8Text.h"
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

// UTF-16 and back: a pair of surrogates is one character, a byte that is not UTF-8 comes back as
// itself, and a lone surrogate that stands for no byte becomes U+FFFD, also at the very end.
TEST(Paths, Utf16KeepsBytesAndReplacesLoneSurrogates) {
    const std::u16string_view units = u"a\xD83C\xDF84\xDCE9\xD83C\xDF84";
    EXPECT_EQ(Utf8Text::FromUtf16(units.substr(0, 5)), "a\xF0\x9F\x8E\x84\xE9\xEF\xBF\xBD");
    std::u16string back;
    Utf8Text::ToUtf16("a\xF0\x9F\x8E\x84\xE9", [&](char16_t unit) { back += unit; });
    EXPECT_EQ(back, units.substr(0, 4));
}
