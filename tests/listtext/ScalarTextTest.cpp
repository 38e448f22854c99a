#include "DataFile.h"
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
    for (const auto& row : test::DataRows("listtext/escapes.txt")) {
        EXPECT_EQ(EscapeText(row[0]) + "|" + UnescapeText(row[0]), row[1] + "|" + row[2]) << row[0];
        EXPECT_EQ(UnescapeText(row[1]), row[0]);
    }
}

TEST(BooleanText, OnlyTIsTrue) {
    EXPECT_EQ(BoolToText(true) + BoolToText(false), "TF");
    EXPECT_TRUE(BoolFromText("T") && BoolFromText("t"));
    for (const char* text : {"", "F", "TRUE", "1", " T", "T "})
        EXPECT_FALSE(BoolFromText(text)) << '"' << text << '"';
}

TEST(NumberText, WritesPaddedAndPlainForms) {
    EXPECT_EQ(IntToText(0) + IntToText(-1) + IntToText(INT_MIN), " 0-1-2147483648");
    EXPECT_EQ(PlainIntToText(5) + PlainIntToText(-5), "5-5");
}

TEST(NumberText, ReadsTheTableOfNumbers) {
    const std::pair<const char*, int (*)(std::string_view)> readers[] = {
        {"padded", &IntFromText}, {"plain", &PlainIntFromText}};
    for (const auto& row : test::DataRows("listtext/integers.txt"))
        for (const auto& [name, read] : readers)
            if (row[0] == name || row[0] == "both") {
                EXPECT_EQ(test::TextOrError([&] { return std::to_string(read(row[1])); }), row[2])
                    << name << " '" << row[1].substr(0, 24) << "'";
            }
}

TEST(DateText, WritesAndReadsTheFixedForm) {
    EXPECT_EQ(DateToText(MakeDateTime(2004, 3, 5, 19, 8, 9)), "2004-03-05 19:08:09");
    for (const auto& row : test::DataRows("listtext/dates.txt"))
        EXPECT_EQ(test::TextOrError([&] { return DateToText(DateFromText(row[0])); }), row[1])
            << row[0];
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
