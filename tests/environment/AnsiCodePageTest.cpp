// The ANSI code page conversions of Windows with a code page of the test's choice, so that the
// UTF-8 code page (65001) of the "UTF-8 for worldwide language support" option is tried under
// Wine, whose own code page is 1252.
#include "OtherSystemTest.h"
#ifdef _WIN32

#include "environment/AnsiCodePage.h"

#include <gtest/gtest.h>

using namespace bw;

TEST(AnsiCodePage, Utf8CodePageConvertsExactlyAndOthersGiveQuestionMarks) {
    const std::string texts[] = {"plain",
                                 "\xC5\x81\xC3\xB3\x64\xC5\xBA Gro\xC3\x9F\xE2\x80\x99 "
                                 "\xE2\x84\xA2 \xE7\x81\xAF\xE5\x85\x89 \xF0\x9F\x8E\x84",
                                 "caf\xE9 cut \xC5"}; // the bytes of a path that are not UTF-8
    for (const std::string& text : texts) {
        EXPECT_EQ(AnsiCodePage::FromUtf8(text, 65001), text);
        EXPECT_EQ(AnsiCodePage::ToUtf8(text, 65001), text);
    }
    // Windows-1252: "?" for what it cannot hold, never a look-alike letter ("L" for the first);
    // its five undefined bytes are the control characters of the same number.
    EXPECT_EQ(AnsiCodePage::FromUtf8(texts[1], 1252), "?\xF3\x64? Gro\xDF\x92 \x99 ?? ??");
    EXPECT_EQ(AnsiCodePage::ToUtf8("Gro\xDF\x92\x81", 1252), "Gro\xC3\x9F\xE2\x80\x99\xC2\x81");
    EXPECT_FALSE(AnsiCodePage::IsUtf8());
}

#else
BWSHOW_OTHER_SYSTEM_TEST(AnsiCodePage, Utf8CodePageConvertsExactlyAndOthersGiveQuestionMarks)
#endif
