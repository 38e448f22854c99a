#include "DataFile.h"
#include "DocumentedErrors.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace bw;
using namespace bw::Serialize;
using bw::test::ErrorNumberOf;

namespace {

// The elements of a list text, each in angle brackets, or its error and where it was raised.
std::string ListOutcome(const std::string& text, int maxElements) {
    try {
        std::string read;
        for (std::string_view element : ListFromText(text, 1, maxElements))
            read += "<" + std::string(element) + ">";
        return read;
    } catch (const Error& error) {
        return "!" + std::to_string(error.Number()) + " " + error.Source() + ": " +
               error.Description();
    }
}

} // namespace

TEST(ListText, ReadsTheTableOfTexts) {
    const std::map<std::string, std::function<std::string(const std::string&)>> readings = {
        {"list", [](const std::string& t) { return ListOutcome(t, INT_MAX); }},
        {"first two", [](const std::string& t) { return ListOutcome(t, 2); }},
        {"escape", [](const std::string& t) { return EscapeText(t); }},
        {"unescape", [](const std::string& t) { return UnescapeText(t); }},
        {"bool", [](const std::string& t) { return std::string(BoolFromText(t) ? "T" : "F"); }},
        {"padded", [](const std::string& t) { return std::to_string(IntFromText(t)); }},
        {"plain", [](const std::string& t) { return std::to_string(PlainIntFromText(t)); }},
        {"date", [](const std::string& t) { return DateToText(DateFromText(t)); }}};
    for (const auto& row : test::DataRows("listtext/texts.txt"))
        EXPECT_EQ(test::TextOrError([&] { return readings.at(row[0])(row[1]); }), row[2])
            << row[0] << " '" << row[1].substr(0, 24) << "'";
}

TEST(ListText, WritesListsFlagsNumbersAndDates) {
    EXPECT_EQ(ListToText({}) + ListToText({""}), "()()");
    EXPECT_EQ(ListToText({"a", "", "(b,c)", " y "}), "(a,,(b,c), y )");
    EXPECT_EQ(BoolToText(true) + BoolToText(false), "TF");
    EXPECT_EQ(IntToText(0) + IntToText(-1) + IntToText(INT_MIN), " 0-1-2147483648");
    EXPECT_EQ(PlainIntToText(5) + PlainIntToText(-5), "5-5");
    EXPECT_EQ(DateToText(MakeDateTime(2004, 3, 5, 19, 8, 9)), "2004-03-05 19:08:09");
}

TEST(ListText, LowerBoundAddressesElements) {
    const ElementArray array = ListFromText("(x,(a,b),y)", 0);
    EXPECT_EQ(array.LBound() + array.UBound(), 2);
    EXPECT_EQ(array[1], "(a,b)");
    const ElementArray fromOne = ListFromText("(a,b)", 1);
    EXPECT_EQ(std::string(fromOne[1]) + std::string(fromOne[2]), "ab");
    EXPECT_EQ(ErrorNumberOf([&] { (void)fromOne[0]; }) + ErrorNumberOf([&] { (void)fromOne[3]; }),
              18);
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
        EXPECT_EQ(std::to_string(error.Number()) + error.Description() + "|" + error.Source() +
                      "|" + error.what(),
                  std::to_string(number) + description + "||" + description);
    }
}
