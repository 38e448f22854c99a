#include "RaisedError.h"

#include "listtext/Serialize.h"
#include "schedule/TimeRange.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using namespace bw;
using bw::test::RaisedError;

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

TEST(TimeRange, AbsentBoundsRaiseError37AndSettersKeepStartBeforeEnd) {
    TimeRange range;
    for (const auto& [read, description] :
         {std::pair{std::function<void()>([&] { (void)range.StartTime(); }), "no start"},
          std::pair{std::function<void()>([&] { (void)range.EndTime(); }), "no end"}}) {
        const auto raised = RaisedError(read);
        ASSERT_TRUE(raised);
        EXPECT_EQ(raised->Number(), 37);
        EXPECT_EQ(raised->Source(), "");
        EXPECT_EQ(raised->Description(), std::string("Time range has ") + description);
    }
    range.SetStartTime(At("10"));
    range.SetEndTime(At("11"));
    range.ClearStart();
    EXPECT_FALSE(range.HasStart());
    EXPECT_THROW((void)range.StartTime(), Error);

    // Start or end first, then the other bound: a bound beyond the other removes the other.
    // clang-format off
    const std::tuple<bool, const char*, const char*, const char*> cases[] = {
        {true, "10", "09", "[*,09]"},        {true, "10", "10", "[10,10]"},
        {true, "10", "10:00:01", "[10,10:00:01]"}, {false, "10", "10:00:01", "[10:00:01,*]"},
        {false, "10", "10", "[10,10]"},      {false, "10", "09", "[09,10]"},
    };
    // clang-format on
    for (const auto& [startFirst, first, second, expected] : cases) {
        TimeRange set;
        if (startFirst) {
            set.SetStartTime(At(first));
            set.SetEndTime(At(second));
        } else {
            set.SetEndTime(At(first));
            set.SetStartTime(At(second));
        }
        EXPECT_TRUE(set.Equals(R(expected).range)) << expected << " but " << set.Serialize();
    }
}

TEST(TimeRange, IncludesHonoursOpenEndsAndInclusiveBounds) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"(*,*)", "1900-01-01", true},  {"(*,*)", "2999-12-31 23:59:59", true},
        {"[10,11]", "09:59:59", false}, {"[10,11)", "10", true},  {"(10,11]", "10", false},
        {"(10,11)", "10:30", true},     {"(10,11]", "11", true},  {"[10,11)", "11", false},
        {"[10,11]", "11:00:01", false}, {"[10,10]", "10", true},  {"(10,10]", "10", false},
        {"[10,10)", "10", false},       {"(10,*)", "2030-01-01", true}, {"(10,*)", "10", false},
        {"[10,*]", "09", false},        {"(*,11)", "1990-01-01", true}, {"(*,11)", "11", false},
        {"[*,11]", "12", false},
    };
    // clang-format on
    for (const auto& [text, moment, expected] : cases) {
        const Range r = R(text);
        EXPECT_EQ(r.range->Includes(At(moment), r.startInclusive, r.endInclusive), expected)
            << text << " at " << moment;
    }
}

TEST(TimeRange, OverlapsDecidesByTheFirstRuleThatApplies) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> cases[] = {
        // Open at both ends, or both open on the same side.
        {"(*,*)", "(10,11)", true},   {"(10,11)", "(*,*)", true},
        {"(*,10)", "(*,09)", true},   {"(10,*)", "(12,*)", true},
        // This has only an end: the other's start decides.
        {"[*,11]", "[11,*]", true},   {"[*,11)", "[11,*]", false},  {"[*,11]", "(11,12]", false},
        {"(*,11)", "(10,12)", true},  {"[*,11]", "[12,13]", false},
        // The other has only an end, or this only a start: this start against the other end.
        {"[11,12]", "[*,11]", true},  {"(11,12]", "[*,11]", false}, {"[11,12]", "[*,11)", false},
        {"(10,12)", "(*,11)", true},  {"[11,*]", "[10,11]", true},  {"[11,*]", "[10,11)", false},
        {"(11,*)", "(12,13)", true},  {"[11,*]", "[09,10]", false},
        // The other has only a start: it must not lie beyond this end.
        {"[10,11]", "[11,*]", true},  {"[10,11)", "[11,*]", false}, {"[10,11]", "(11,*]", false},
        {"(10,11)", "(09,*)", true},  {"[10,11]", "[12,*]", false},
        // With an open end only the facing bounds are compared: exclusive ones a second apart meet.
        {"[*,10:00:01)", "(10,11]", true},  {"(10,*]", "[09,10:00:01)", true},
        {"[09,10:00:01)", "(10,*]", true},
        // Both closed.
        {"(10,11]", "[11,12)", true}, {"[10,11)", "[11,12]", false}, {"[10,11]", "(11,12]", false},
        {"[11,12)", "(10,11]", true}, {"(11,12]", "[10,11]", false}, {"(09,12)", "(10,11)", true},
        {"(10,11)", "(09,12)", true}, {"(10,12)", "(11,13)", true},  {"[10,11]", "[12,13]", false},
        {"(10,10:00:02)", "[10:00:01,10:00:01]", true},
        // No whole second in common, or none at all in one of them.
        {"(10,10:00:02)", "[09,10:00:01)", false},  {"(10,10:00:01)", "[09,11]", false},
        {"[09,11]", "(10,10:00:01)", false},        {"[10,10:00:01)", "[09,11]", true},
    };
    // clang-format on
    for (const auto& [text, otherText, expected] : cases) {
        const Range r = R(text), other = R(otherText);
        EXPECT_EQ(r.range->Overlaps(*other.range, r.startInclusive, r.endInclusive,
                                    other.startInclusive, other.endInclusive),
                  expected)
            << text << " " << otherText;
    }
    for (const char* other : {"(*,*)", "(10,*)", "(*,10)", "(10,11)"}) {
        EXPECT_TRUE(TimeRange().Overlaps(*R(other).range, false, false, false, false)) << other;
        EXPECT_TRUE(R(other).range->Overlaps(TimeRange(), false, false, false, false)) << other;
    }
}

TEST(TimeRange, StartsBeforeOtherEndsAndEquals) {
    EXPECT_TRUE(R("[12,23]").range->StartsBeforeOtherEnds(nullptr));
    // clang-format off
    const std::tuple<const char*, const char*, bool> before[] = {
        {"[*,23]", "[*,09]", true},  {"[12,23]", "[13,*]", true}, {"[10,23]", "[*,10:00:01]", true},
        {"[10,23]", "[09,10]", false}, {"[10:00:01,23]", "[*,10]", false},
    };
    // clang-format on
    for (const auto& [text, other, expected] : before)
        EXPECT_EQ(R(text).range->StartsBeforeOtherEnds(R(other).range), expected) << text << other;

    EXPECT_FALSE(R("[*,*]").range->Equals(nullptr));
    // clang-format off
    const std::tuple<const char*, const char*, bool> equal[] = {
        {"[*,*]", "[*,*]", true},    {"[10,11]", "(10,11)", true}, {"[10,11]", "[09,11]", false},
        {"[10,11]", "[10,12]", false}, {"[10,11]", "[10,*]", false}, {"[10,*]", "[10,11]", false},
        {"[10,11]", "[*,11]", false},  {"[*,11]", "[10,11]", false},
    };
    // clang-format on
    for (const auto& [text, other, expected] : equal)
        EXPECT_EQ(R(text).range->Equals(R(other).range), expected) << text << other;
    // A cleared bound's old moment is not compared.
    const auto cleared = R("[08,12]").range, clearedEnd = R("[10,12]").range;
    cleared->ClearStart();
    clearedEnd->ClearEnd();
    EXPECT_TRUE(cleared->Equals(R("[*,12]").range));
    EXPECT_TRUE(R("[10,*]").range->Equals(clearedEnd));
}

TEST(TimeRange, TextRoundTripAndCopies) {
    // clang-format off
    const std::pair<const char*, const char*> texts[] = {
        {"[*,*]", "(F,,F,)"},
        {"[18:30,*]", "(T,2004-03-01 18:30:00,F,)"},
        {"[*,2004-03-05 19:08:09]", "(F,,T,2004-03-05 19:08:09)"},
        {"[00,2004-12-31 23:59:59]", "(T,2004-03-01 00:00:00,T,2004-12-31 23:59:59)"},
    };
    // clang-format on
    for (const auto& [range, text] : texts) {
        EXPECT_EQ(R(range).range->Serialize(), text);
        // Start from a range with both bounds so that every bound has to be replaced.
        const auto read = R("[2001-01-01,2009-01-01]").range;
        read->Deserialize(text);
        EXPECT_TRUE(read->Equals(R(range).range)) << text << " gave " << read->Serialize();
    }
    // Read through the setters, each date only when its flag is true ("t" counts).
    const std::pair<const char*, const char*> odd[] = {
        {"(T,2004-03-02 00:00:00,T,2004-03-01 00:00:00)", "[*,00]"},
        {"(F,not a date,F,(x))", "[*,*]"},
        {"(t,2004-03-01,F,2004-02-30)", "[00,*]"}};
    for (const auto& [text, range] : odd) {
        const auto read = R("[2001-01-01,2009-01-01]").range;
        read->Deserialize(text);
        EXPECT_TRUE(read->Equals(R(range).range)) << text << " gave " << read->Serialize();
    }

    const auto source = R("[10,11]").range;
    TimeRange copy;
    copy.SetEndTime(At("05"));
    copy.CopyFrom(source);
    EXPECT_TRUE(copy.Equals(source));
    source->SetStartTime(At("10:30")); // the copy holds its own moments
    EXPECT_EQ(copy.StartTime(), At("10"));
    copy.CopyFrom(nullptr); // an absent other counts as a new, empty range
    EXPECT_FALSE(copy.HasStart() || copy.HasEnd());
}

TEST(TimeRange, DeserializeFailureLeavesTheRangeUnchanged) {
    const std::string fields = "Unexpected number of fields in serialized time range: ";
    // clang-format off
    const std::tuple<const char*, int, std::string> cases[] = {
        {"(T,2004-03-01 00:00:00,F)", 37, fields + "3"}, {"(F,,F,,)", 37, fields + "5"},
        {"", 37, fields + "0"}, {"()", 37, fields + "1"},
        {"(T,2004-02-30 00:00:00,F,)", 13, ""}, {"(T,,F,)", 13, ""},
        // The start is readable; the end must fail before the start is written.
        {"(T,2004-03-01 00:00:00,T,tomorrow)", 13, ""}, {"(T,2004-03-01 00:00:00,F,", 1, ""},
    };
    // clang-format on
    for (const auto& [text, number, description] : cases) {
        const auto range = R("[10,11]").range;
        const auto raised = RaisedError([&] { range->Deserialize(text); });
        ASSERT_TRUE(raised) << text;
        EXPECT_EQ(raised->Number(), number) << text;
        if (!description.empty()) {
            EXPECT_EQ(raised->Description(), description);
        }
        EXPECT_EQ(range->Serialize(), "(T,2004-03-01 10:00:00,T,2004-03-01 11:00:00)") << text;
    }
}
