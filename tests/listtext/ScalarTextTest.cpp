#include "DocumentedErrors.h"
#include "listtext/Error.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <climits>

using namespace bw;
using namespace bw::Serialize;

using bw::test::ErrorNumberOf;

TEST(Escaping, FourCharactersAreEscapedAndRestored) {
    EXPECT_EQ(EscapeText("a*(b),c"), "a*E*Ob*C*Sc");
    EXPECT_EQ(UnescapeText("a*E*Ob*C*Sc"), "a*(b),c");
    // Case-sensitive, unknown sequences and a lone trailing star stay as they are.
    EXPECT_EQ(UnescapeText("*s*x*"), "*s*x*");
    EXPECT_EQ(UnescapeText("**S"), "*,");
    EXPECT_EQ(UnescapeText("*ES"), "*S");
    EXPECT_EQ(UnescapeText("*E*S"), "*,");
    EXPECT_EQ(UnescapeText("caf\xc3\xa9"), "caf\xc3\xa9");

    const char* samples[] = {"",     "*",        "**E",         "(((",
                             ",*S,", "*E*O*C*S", "a (b) c, d*", "\xc3\xa9*("};
    for (const char* sample : samples) {
        const std::string escaped = EscapeText(sample);
        EXPECT_EQ(escaped.find_first_of("(),"), std::string::npos) << sample;
        EXPECT_EQ(UnescapeText(escaped), sample);
    }
}

TEST(BooleanText, OnlyTIsTrue) {
    EXPECT_EQ(BoolToText(true), "T");
    EXPECT_EQ(BoolToText(false), "F");
    EXPECT_TRUE(BoolFromText("T"));
    EXPECT_TRUE(BoolFromText("t"));
    for (const char* text : {"", "F", "TRUE", "1", " T", "T "})
        EXPECT_FALSE(BoolFromText(text)) << '"' << text << '"';
}

TEST(PaddedInteger, WritesBlankBeforeNonNegative) {
    EXPECT_EQ(IntToText(5), " 5");
    EXPECT_EQ(IntToText(0), " 0");
    EXPECT_EQ(IntToText(-12), "-12");
    EXPECT_EQ(IntToText(INT_MAX), " 2147483647");
    EXPECT_EQ(IntToText(INT_MIN), "-2147483648");
}

TEST(PaddedInteger, ReadsDecimalNumbersRoundedDown) {
    EXPECT_EQ(IntFromText(" 42"), 42);
    EXPECT_EQ(IntFromText("42  "), 42);
    EXPECT_EQ(IntFromText("-12"), -12);
    EXPECT_EQ(IntFromText("+7"), 7);
    EXPECT_EQ(IntFromText("3.9"), 3);
    EXPECT_EQ(IntFromText("-3.5"), -4);
    EXPECT_EQ(IntFromText("1e3"), 1000);
    EXPECT_EQ(IntFromText(" 2147483647"), INT_MAX);
    EXPECT_EQ(IntFromText("-2147483648"), INT_MIN);
    EXPECT_EQ(IntFromText("007"), 7);
    EXPECT_EQ(IntFromText("-0"), 0);
    EXPECT_EQ(IntFromText("999999999"), 999999999);
    EXPECT_EQ(IntFromText("-999999999"), -999999999);
    EXPECT_EQ(IntFromText("1000000000"), 1000000000);

    for (const char* text : {"", " ", "abc", "4x", "1 2", "--1", ".", "*S"})
        EXPECT_EQ(ErrorNumberOf([&] { IntFromText(text); }), 13) << '"' << text << '"';
    for (const char* text : {"2147483648", "-2147483649", "1e10", "1e400"})
        EXPECT_EQ(ErrorNumberOf([&] { IntFromText(text); }), 6) << text;
}

TEST(PlainInteger, LenientScanRoundsHalvesToEven) {
    EXPECT_EQ(PlainIntToText(5), "5");
    EXPECT_EQ(PlainIntToText(-5), "-5");
    EXPECT_EQ(PlainIntFromText("12"), 12);
    EXPECT_EQ(PlainIntFromText(" 1 2 "), 12);
    EXPECT_EQ(PlainIntFromText("7abc"), 7);
    EXPECT_EQ(PlainIntFromText(""), 0);
    EXPECT_EQ(PlainIntFromText("abc"), 0);
    EXPECT_EQ(PlainIntFromText("-"), 0);
    EXPECT_EQ(PlainIntFromText("2.5"), 2);
    EXPECT_EQ(PlainIntFromText("3.5"), 4);
    EXPECT_EQ(PlainIntFromText("-2.5"), -2);
    EXPECT_EQ(PlainIntFromText("2.51"), 3);
    EXPECT_EQ(PlainIntFromText(".5"), 0);
    EXPECT_EQ(PlainIntFromText("1.5e1"), 15);
    EXPECT_EQ(PlainIntFromText("1e"), 1);
    EXPECT_EQ(PlainIntFromText("2147483647"), INT_MAX);
    EXPECT_EQ(ErrorNumberOf([] { PlainIntFromText("2147483647.5"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { PlainIntFromText("99999999999"); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { PlainIntFromText("-2147483649"); }), 6);
    EXPECT_EQ(PlainIntFromText("1e-400"), 0);
}

TEST(DateText, WritesAndReadsTheFixedForm) {
    const DateTime evening = MakeDateTime(2004, 3, 5, 19, 8, 9);
    EXPECT_EQ(DateToText(evening), "2004-03-05 19:08:09");
    EXPECT_EQ(DateFromText("2004-03-05 19:08:09"), evening);
    EXPECT_EQ(DateFromText("2004-03-05"), MakeDateTime(2004, 3, 5));
    EXPECT_EQ(DateFromText(" 2004-03-05 19:08 "), MakeDateTime(2004, 3, 5, 19, 8));
    EXPECT_EQ(DateToText(MakeDateTime(2000, 2, 29, 23, 59, 59)), "2000-02-29 23:59:59");
    EXPECT_EQ(DateFromText(DateToText(MakeDateTime(9999, 12, 31, 0, 0, 1))),
              MakeDateTime(9999, 12, 31, 0, 0, 1));

    for (const char* text :
         {"", "2004-02-30 00:00:00", "2004-13-01", "2004-03-05 24:00:00", "2004-03-05 10:60:00",
          "2004-03-05x", "04-03-05", "yesterday", "2004-03-05 10:00:00 PM", "2003-02-29"})
        EXPECT_EQ(ErrorNumberOf([&] { DateFromText(text); }), 13) << text;
}

TEST(Errors, StandardRunTimeErrorsCarryTheirDescriptions) {
    struct Case {
        void (*raise)();
        int number;
        const char* description;
    };
    const Case cases[] = {
        {RaiseOverflow, 6, "Overflow"},
        {RaiseSubscriptOutOfRange, 9, "Subscript out of range"},
        {RaiseTypeMismatch, 13, "Type mismatch"},
        {RaiseObjectNotSet, 91, "Object variable or With block variable not set"},
    };
    for (const Case& c : cases) {
        try {
            c.raise();
            ADD_FAILURE() << "nothing raised for " << c.number;
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), c.number);
            EXPECT_EQ(error.Description(), c.description);
            EXPECT_EQ(error.Source(), "");
            EXPECT_STREQ(error.what(), c.description);
        }
    }
}
