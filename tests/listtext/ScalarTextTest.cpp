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
    // Case-sensitive; unknown sequences and a lone trailing star stay as they are.
    // clang-format off
    const std::pair<const char*, const char*> unescaped[] = {
        {"a*E*Ob*C*Sc", "a*(b),c"}, {"*s*x*", "*s*x*"}, {"**S", "*,"}, {"*ES", "*S"}, {"*E*S", "*,"}};
    // clang-format on
    for (const auto& [text, expected] : unescaped)
        EXPECT_EQ(UnescapeText(text), expected) << text;
    for (const char* sample :
         {"", "*", "**E", "(((", ",*S,", "*E*O*C*S", "a (b) c, d*", "\xc3\xa9*("}) {
        const std::string escaped = EscapeText(sample);
        EXPECT_EQ(escaped.find_first_of("(),"), std::string::npos) << sample;
        EXPECT_EQ(UnescapeText(escaped), sample);
    }
}

TEST(BooleanText, OnlyTIsTrue) {
    EXPECT_EQ(BoolToText(true) + BoolToText(false), "TF");
    EXPECT_TRUE(BoolFromText("T") && BoolFromText("t"));
    for (const char* text : {"", "F", "TRUE", "1", " T", "T "})
        EXPECT_FALSE(BoolFromText(text)) << '"' << text << '"';
}

TEST(PaddedInteger, BlankBeforeNonNegativeAndStrictReading) {
    EXPECT_EQ(IntToText(0) + IntToText(-1) + IntToText(INT_MIN), " 0-1-2147483648");
    // Decimal numbers, rounded down.
    // clang-format off
    const std::pair<const char*, int> read[] = {
        {" 42", 42}, {"42  ", 42}, {"-12", -12}, {"+7", 7}, {"3.9", 3}, {"-3.5", -4}, {"1e3", 1000},
        {" 2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"007", 7}, {"-0", 0},
        {"999999999", 999999999}, {"1000000000", 1000000000},
    };
    // clang-format on
    for (const auto& [text, value] : read)
        EXPECT_EQ(IntFromText(text), value) << text;
    for (const char* text : {"", " ", "abc", "4x", "1 2", "--1", ".", "*S"})
        EXPECT_EQ(ErrorNumberOf([&] { IntFromText(text); }), 13) << '"' << text << '"';
    for (const char* text : {"2147483648", "-2147483649", "1e10", "1e400"})
        EXPECT_EQ(ErrorNumberOf([&] { IntFromText(text); }), 6) << text;
}

TEST(PlainInteger, LenientScanRoundsHalvesToEven) {
    EXPECT_EQ(PlainIntToText(5) + PlainIntToText(-5), "5-5");
    // clang-format off
    const std::pair<const char*, int> read[] = {
        {"12", 12}, {" 1 2 ", 12}, {"7abc", 7}, {"", 0}, {"abc", 0}, {"-", 0}, {"2.5", 2},
        {"3.5", 4}, {"-2.5", -2}, {"2.51", 3}, {".5", 0}, {"1.5e1", 15}, {"1e", 1},
        {"2147483647", INT_MAX}, {"1e-400", 0},
    };
    // clang-format on
    for (const auto& [text, value] : read)
        EXPECT_EQ(PlainIntFromText(text), value) << text;
    for (const char* text : {"2147483647.5", "99999999999", "-2147483649"})
        EXPECT_EQ(ErrorNumberOf([&] { PlainIntFromText(text); }), 6) << text;
}

TEST(DateText, WritesAndReadsTheFixedForm) {
    const DateTime evening = MakeDateTime(2004, 3, 5, 19, 8, 9);
    EXPECT_EQ(DateToText(evening), "2004-03-05 19:08:09");
    EXPECT_EQ(DateFromText("2004-03-05 19:08:09"), evening);
    EXPECT_EQ(DateFromText("2004-03-05"), MakeDateTime(2004, 3, 5));
    EXPECT_EQ(DateFromText(" 2004-03-05 19:08 "), MakeDateTime(2004, 3, 5, 19, 8));
    EXPECT_EQ(DateToText(MakeDateTime(2000, 2, 29, 23, 59, 59)), "2000-02-29 23:59:59");
    const DateTime last = MakeDateTime(9999, 12, 31, 0, 0, 1);
    EXPECT_EQ(DateFromText(DateToText(last)), last);
    for (const char* text : {"", "2004-02-30 00:00:00", "2004-13-01", "2004-03-05 24:00:00",
                             "2004-03-05 10:60:00", "2004-03-05x", "04-03-05", "yesterday",
                             "2004-03-05 10:00:00 PM", "2003-02-29", "2004-03-05 19:08:009"})
        EXPECT_EQ(ErrorNumberOf([&] { DateFromText(text); }), 13) << text;
}

TEST(Errors, StandardRunTimeErrorsCarryTheirDescriptions) {
    // clang-format off
    const std::tuple<void (*)(), int, const char*> cases[] = {
        {RaiseOverflow, 6, "Overflow"}, {RaiseSubscriptOutOfRange, 9, "Subscript out of range"},
        {RaiseTypeMismatch, 13, "Type mismatch"},
        {RaiseObjectNotSet, 91, "Object variable or With block variable not set"}};
    // clang-format on
    for (const auto& [raise, number, description] : cases) {
        const Error error = bw::test::ErrorOf(raise);
        EXPECT_EQ(error.Number(), number);
        EXPECT_EQ(error.Description() + "|" + error.Source() + "|" + error.what(),
                  std::string(description) + "||" + description);
    }
}
