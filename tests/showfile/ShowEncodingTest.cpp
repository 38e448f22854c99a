// The rule by which a show file's bytes become names and names become bytes again: a byte order
// mark for UTF-8, Windows-1252 without one, UTF-16 refused; bytes that are not valid in the
// file's encoding kept and named as damaged.
#include "DataFile.h"
#include "TemporaryFolder.h"
#include "showfile/DamagedNames.h"
#include "showfile/File.h"

#include <gtest/gtest.h>

#include <vector>

using namespace bw;
using TextEncoding::Encoding;

namespace {

using ShowEncodingTest = test::TemporaryFolder;

const std::string Mark = "\xEF\xBB\xBF";

} // namespace

TEST_F(ShowEncodingTest, FilesReadAndWrittenByTheRule) {
    using enum Encoding;
    const std::string path = PathOf("show.kss");
    for (const auto& row : test::DataRows("showfile/encodings.txt")) {
        const std::string& what = row[0];
        const std::string bytes = test::Unescaped(row[1]), expected = test::Unescaped(row[2]);
        const Encoding told = row[3] == "UTF-8" ? Utf8 : AnsiCodePage;
        Put(path, bytes);
        std::string text = "unchanged";
        Encoding encoding = told == Utf8 ? AnsiCodePage : Utf8;
        const int result = File::ReadWholeFile(path, text, encoding);
        if (expected == "!") {
            EXPECT_EQ(result, 1) << what;
            EXPECT_EQ(text, "unchanged") << what;
            continue;
        }
        ASSERT_EQ(result, 0) << what;
        EXPECT_EQ(text, expected) << what;
        EXPECT_EQ(encoding, told) << what;
        std::vector<std::string> damaged;
        for (const std::string& name : test::Split(row[4], '|'))
            damaged.push_back(test::Unescaped(name));
        EXPECT_EQ(DamagedNames::InShowText(text, encoding), damaged) << what;
#ifndef _WIN32 // on Windows what the code page cannot hold becomes "?"
        ASSERT_EQ(File::WriteWholeFile(path, text), 0) << what;
        EXPECT_EQ(Bytes(path), (row[5].empty() ? bytes : row[5]) + "\r\n") << what;
#endif
    }
}

// Names written in the code page whenever it holds every character, in UTF-8 with the mark
// otherwise; the editor's notice lists the damaged names as a person can read them.
TEST_F(ShowEncodingTest, WritesTheCodePageWhereItHoldsEveryCharacter) {
    const std::string path = PathOf("show.kss");
    ASSERT_EQ(File::WriteWholeFile(path, "(Gro\xC3\x9F\xE2\x80\x99)"), 0);
    EXPECT_EQ(Bytes(path), "(Gro\xDF\x92)\r\n");
#ifndef _WIN32
    ASSERT_EQ(File::WriteWholeFile(path, "(\xE7\x81\xAF)"), 0);
    EXPECT_EQ(Bytes(path), Mark + "(\xE7\x81\xAF)\r\n");
#endif
    EXPECT_EQ(DamagedNames::Notice("(ok,a\xE9\n,b\xFF,a\xE9\n)", Encoding::Utf8),
              "Each of these names holds bytes that are not UTF-8 (shown as \\xHH), kept as they "
              "are:\n\na\\xE9\\x0A\nb\\xFF");
    EXPECT_EQ(DamagedNames::Notice("(ok)", Encoding::Utf8), "");
}
