#include "DocumentedErrors.h"

#include "listtext/Serialize.h"
#include "schedule/TimeRange.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace bw;
using bw::test::ErrorOf;

namespace {

// "10", "10:30" or "10:00:01" on 1 March 2004, or a whole date-time text.
DateTime At(const std::string& moment) {
    if (moment.find('-') != std::string::npos)
        return Serialize::DateFromText(moment);
    return Serialize::DateFromText("2004-03-01 " + moment + (moment.size() == 2 ? ":00" : ""));
}

// A range written as "[10,11)": a bracket for an inclusive bound, a parenthesis for an exclusive
// one, "*" for an open end.
struct Range {
    std::shared_ptr<TimeRange> range = std::make_shared<TimeRange>();
    bool startInclusive, endInclusive;
};

Range R(const std::string& text) {
    Range r{.startInclusive = text.front() == '[', .endInclusive = text.back() == ']'};
    const size_t comma = text.find(',');
    const std::string start = text.substr(1, comma - 1);
    const std::string end = text.substr(comma + 1, text.size() - comma - 2);
    // An open bound keeps a stale moment that would give wrong answers if it were looked at.
    r.range->SetStartTime(At("2999-01-01"));
    r.range->ClearStart();
    r.range->SetEndTime(At("1901-01-01"));
    r.range->ClearEnd();
    if (start != "*")
        r.range->SetStartTime(At(start));
    if (end != "*")
        r.range->SetEndTime(At(end));
    return r;
}

} // namespace

TEST(TimeRange, BoundsKeepStartBeforeEnd) {
    EXPECT_EQ(ErrorOf([] { (void)TimeRange().EndTime(); }).Description(), "Time range has no end");
    EXPECT_EQ(ErrorOf([] { (void)R("[*,11]").range->StartTime(); }).Number(), 37);
    // Setting a bound beyond the other removes the other.
    TimeRange range;
    range.SetStartTime(At("10"));
    range.SetEndTime(At("09"));
    EXPECT_TRUE(range.Equals(R("[*,09]").range)) << range.Serialize();
    range.SetStartTime(At("09"));
    range.SetEndTime(At("09"));
    range.SetStartTime(At("09:00:01"));
    EXPECT_TRUE(range.Equals(R("[09:00:01,*]").range)) << range.Serialize();
}

TEST(TimeRange, IncludesOverlapsAndStartsBefore) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> includes[] = {
        {"(*,*)", "1900-01-01", true}, {"[10,11]", "09:59:59", false}, {"[10,11)", "10", true},
        {"(10,11]", "10", false},      {"(10,11]", "11", true},        {"[10,11)", "11", false},
        {"[10,10]", "10", true},       {"(10,*)", "10", false},        {"(*,11)", "1990-01-01", true}};
    const std::tuple<const char*, const char*, bool> overlaps[] = {
        {"(*,*)", "(10,11)", true},     {"(10,11)", "(*,*)", true},      {"(*,10)", "(*,09)", true},
        {"(10,*)", "(12,*)", true},     {"[*,11]", "[11,*]", true},      {"[*,11)", "[11,*]", false},
        {"[*,11]", "(11,12]", false},   {"[11,12]", "[*,11]", true},     {"(11,12]", "[*,11]", false},
        {"[11,*]", "[10,11)", false},   {"[10,11]", "[11,*]", true},     {"[10,11]", "(11,*]", false},
        {"(10,11]", "[11,12)", true},   {"[10,11)", "[11,12]", false},   {"(11,12]", "[10,11]", false},
        {"(10,12)", "(11,13)", true},   {"[10,11]", "[12,13]", false},   {"[*,10:00:01)", "(10,11]", true},
        // No whole second in common, or none at all in one of them.
        {"(10,10:00:02)", "[09,10:00:01)", false}, {"(10,10:00:01)", "[09,11]", false},
        {"[09,11]", "(10,10:00:01)", false},       {"[10,10:00:01)", "[09,11]", true}};
    const std::tuple<const char*, const char*, bool> startsBefore[] = {
        {"[*,23]", "[*,09]", true}, {"[12,23]", "[13,*]", true}, {"[10,23]", "[09,10]", false}};
    // clang-format on
    for (const auto& [text, moment, expected] : includes) {
        const Range r = R(text);
        EXPECT_EQ(r.range->Includes(At(moment), r.startInclusive, r.endInclusive), expected)
            << text << " at " << moment;
    }
    for (const auto& [text, otherText, expected] : overlaps) {
        const Range r = R(text), other = R(otherText);
        EXPECT_EQ(r.range->Overlaps(*other.range, r.startInclusive, r.endInclusive,
                                    other.startInclusive, other.endInclusive),
                  expected)
            << text << " " << otherText;
    }
    EXPECT_TRUE(TimeRange().Overlaps(*R("(10,11)").range, false, false, false, false));
    for (const auto& [text, other, expected] : startsBefore)
        EXPECT_EQ(R(text).range->StartsBeforeOtherEnds(R(other).range), expected) << text << other;
    EXPECT_TRUE(R("[12,23]").range->StartsBeforeOtherEnds(nullptr));
}

TEST(TimeRange, EqualsTextAndCopies) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> equal[] = {
        {"[10,11]", "(10,11)", true},  {"[10,11]", "[09,11]", false}, {"[10,11]", "[10,12]", false},
        {"[10,11]", "[10,*]", false}, {"[*,11]", "[10,11]", false}};
    // clang-format on
    for (const auto& [text, other, expected] : equal)
        EXPECT_EQ(R(text).range->Equals(R(other).range), expected) << text << other;
    EXPECT_FALSE(R("[*,*]").range->Equals(nullptr));
    const auto cleared = R("[08,12]").range; // a cleared bound's old moment is not compared
    cleared->ClearStart();
    EXPECT_TRUE(cleared->Equals(R("[*,12]").range));

    const auto source = R("[10,11]").range;
    TimeRange copy;
    copy.CopyFrom(source);
    source->SetStartTime(At("10:30")); // the copy holds its own moments
    EXPECT_TRUE(copy.Equals(R("[10,11]").range));
    copy.CopyFrom(nullptr); // an absent other counts as a new, empty range
    EXPECT_FALSE(copy.HasStart() || copy.HasEnd());
}

// Each text is read into [10,11], so that every bound has to be replaced; the range is the one
// read, or [10,11] unchanged when reading fails with the error given.
TEST(TimeRange, TextRoundTripsAndFailuresLeaveTheRangeUnchanged) {
    // clang-format off
    const std::tuple<const char*, const char*, int> cases[] = {
        {"(F,,F,)", "[*,*]", 0}, {"(F,,T,2004-03-05 19:08:09)", "[*,2004-03-05 19:08:09]", 0},
        {"(T,2004-03-01 00:00:00,T,2004-12-31 23:59:59)", "[00,2004-12-31 23:59:59]", 0},
        {"(T,2004-03-01 00:00:00,F)", "[10,11]", 37}, {"(F,,F,,)", "[10,11]", 37},
        {"(T,,F,)", "[10,11]", 13}, {"(T,2004-03-01 00:00:00,F,", "[10,11]", 1},
        // The start is readable; the end must fail before the start is written.
        {"(T,2004-03-01 00:00:00,T,tomorrow)", "[10,11]", 13}};
    // clang-format on
    for (const auto& [text, range, number] : cases) {
        const auto read = R("[10,11]").range;
        EXPECT_EQ(ErrorOf([&] { read->Deserialize(text); }).Number(), number) << text;
        EXPECT_TRUE(read->Equals(R(range).range)) << text << " gave " << read->Serialize();
        EXPECT_TRUE(number != 0 || read->Serialize() == text) << text;
    }
    // Read through the setters, each date only when its flag is true ("t" counts).
    const auto read = R("[10,11]").range;
    read->Deserialize("(t,2004-03-02,T,2004-03-01)");
    EXPECT_TRUE(read->Equals(R("[*,00]").range)) << read->Serialize();
    EXPECT_EQ(ErrorOf([] { TimeRange().Deserialize("(F,,F)"); }).Description(),
              "Unexpected number of fields in serialized time range: 3");
}
