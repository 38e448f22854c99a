// The rule by which a show file's bytes become names and names become bytes again: a byte order
// mark for UTF-8, Windows-1252 without one, UTF-16 refused; bytes that are not valid in the
// file's encoding kept and named as damaged.
#include "TemporaryFolder.h"
#include "showfile/DamagedNames.h"
#include "showfile/File.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace bw;
using TextEncoding::Encoding;

namespace {

using ShowEncodingTest = test::TemporaryFolder;

struct Row {
    const char* what;
    std::string bytes;
    std::optional<std::string> text; // none: the file is refused
    Encoding encoding = Encoding::AnsiCodePage;
    std::vector<std::string> damaged = {};
    std::optional<std::string> written = std::nullopt; // the file saved again; none: as it was
};

const std::string Mark = "\xEF\xBB\xBF";

} // namespace

TEST_F(ShowEncodingTest, FilesReadAndWrittenByTheRule) {
    using enum Encoding;
    const std::string lodz = "\xC5\x81\xC3\xB3\x64\xC5\xBA"; // Łódź in UTF-8
    // clang-format off
    const Row rows[] = {
        {"Windows-1252 that is also valid UTF-8", "(Klaus Gro\xDF\x92 Lichter.kas)", "(Klaus Gro\xC3\x9F\xE2\x80\x99 Lichter.kas)"},
        {"Windows-1252 \"\xC3\x83\xC2\xA9\", also valid UTF-8", "(\xC3\xA9)", "(\xC3\x83\xC2\xA9)"},
        {"Windows-1252 CAF\xC3\x89\xE2\x84\xA2", "(CAF\xC9\x99)", "(CAF\xC3\x89\xE2\x84\xA2)"},
        {"UTF-8 with the mark", Mark + "(" + lodz + ")", "(" + lodz + ")", Utf8},
        {"UTF-8 with a Windows-1252 name added", Mark + "(" + lodz + ",Caf\xE9)", "(" + lodz + ",Caf\xE9)", Utf8, {"Caf\xE9"}},
        {"UTF-8 cut off in its last character", Mark + "(" + lodz + ",\xC5\x81\xC3)", "(" + lodz + ",\xC5\x81\xC3)", Utf8, {"\xC5\x81\xC3"}},
        {"a path whose bytes are not UTF-8", Mark + "(/home/caf\xE9/a.kas,\xE2\x84\xA6)", "(/home/caf\xE9/a.kas,\xE2\x84\xA6)", Utf8, {"/home/caf\xE9/a.kas"}},
        {"the mark before ASCII alone", Mark + "(plain)", "(plain)", Utf8, {}, "(plain)"},
        {"a byte that Windows-1252 leaves undefined", "(a\x81*Sb)", "(a\xC2\x81*Sb)", AnsiCodePage, {"a\xC2\x81,b"}},
        {"UTF-8 without the mark, as earlier builds wrote it", "(" + lodz + ")", "(\xC3\x85\xC2\x81\xC3\x83\xC2\xB3\x64\xC3\x85\xC2\xBA)", AnsiCodePage, {"\xC3\x85\xC2\x81\xC3\x83\xC2\xB3\x64\xC3\x85\xC2\xBA"}},
        {"empty", "", ""},
        {"UTF-16LE with its mark", std::string("\xFF\xFE(\0a\0)\0", 8), std::nullopt},
        {"UTF-16BE with its mark", std::string("\xFE\xFF\0(\0a\0)", 8), std::nullopt},
        {"UTF-16LE without a mark", std::string("(\0a\0)\0", 6), std::nullopt},
        {"UTF-16BE without a mark", std::string("\0(\0a\0)", 6), std::nullopt}};
    // clang-format on
    const std::string path = PathOf("show.kss");
    for (const Row& row : rows) {
        Put(path, row.bytes);
        std::string text = "unchanged";
        Encoding encoding = row.encoding == Utf8 ? AnsiCodePage : Utf8;
        const int result = File::ReadWholeFile(path, text, encoding);
        if (!row.text) {
            EXPECT_EQ(result, 1) << row.what;
            EXPECT_EQ(text, "unchanged") << row.what;
            continue;
        }
        ASSERT_EQ(result, 0) << row.what;
        EXPECT_EQ(text, *row.text) << row.what;
        EXPECT_EQ(encoding, row.encoding) << row.what;
        EXPECT_EQ(DamagedNames::InShowText(text, encoding), row.damaged) << row.what;
#ifndef _WIN32 // on Windows what the code page cannot hold becomes "?"
        ASSERT_EQ(File::WriteWholeFile(path, text), 0) << row.what;
        EXPECT_EQ(Bytes(path), row.written.value_or(row.bytes) + "\r\n") << row.what;
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
