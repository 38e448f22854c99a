#include "RaisedError.h"

#include "schedule/TimeRange.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

using namespace bw;
using bw::test::RaisedError;

namespace {

// A moment on 1 March 2004; most ranges below live within that day.
DateTime At(int hour, int minute = 0, int second = 0) {
    return MakeDateTime(2004, 3, 1, hour, minute, second);
}

using Bound = std::optional<DateTime>;

// An open bound keeps a stale moment that would give wrong answers if it were looked at: a start
// far in the future and an end far in the past.
std::shared_ptr<TimeRange> MakeRange(Bound start, Bound end) {
    auto range = std::make_shared<TimeRange>();
    range->SetStartTime(MakeDateTime(2999, 1, 1));
    range->ClearStart();
    range->SetEndTime(MakeDateTime(1901, 1, 1));
    range->ClearEnd();
    if (start)
        range->SetStartTime(*start);
    if (end)
        range->SetEndTime(*end);
    return range;
}

constexpr std::nullopt_t Open = std::nullopt;

} // namespace

TEST(TimeRange, ReadingAnAbsentBoundRaisesError37WithoutSource) {
    TimeRange range;
    EXPECT_FALSE(range.HasStart());
    EXPECT_FALSE(range.HasEnd());

    const auto noStart = RaisedError([&] { (void)range.StartTime(); });
    ASSERT_TRUE(noStart);
    EXPECT_EQ(noStart->Number(), 37);
    EXPECT_EQ(noStart->Source(), "");
    EXPECT_EQ(noStart->Description(), "Time range has no start");

    const auto noEnd = RaisedError([&] { (void)range.EndTime(); });
    ASSERT_TRUE(noEnd);
    EXPECT_EQ(noEnd->Number(), 37);
    EXPECT_EQ(noEnd->Source(), "");
    EXPECT_EQ(noEnd->Description(), "Time range has no end");

    // A cleared bound no longer counts, although its moment is kept inside.
    range.SetStartTime(At(10));
    range.SetEndTime(At(11));
    EXPECT_EQ(range.StartTime(), At(10));
    EXPECT_EQ(range.EndTime(), At(11));
    range.ClearStart();
    range.ClearEnd();
    EXPECT_FALSE(range.HasStart());
    EXPECT_FALSE(range.HasEnd());
    EXPECT_THROW((void)range.StartTime(), Error);
    EXPECT_THROW((void)range.EndTime(), Error);
}

TEST(TimeRange, SettingABoundBeyondTheOtherRemovesTheOther) {
    struct Case {
        const char* name;
        bool startFirst;
        DateTime first;
        DateTime second;
        Bound expectedStart;
        Bound expectedEnd;
    };
    const Case cases[] = {
        {"end before start", true, At(10), At(9), Open, At(9)},
        {"end equal to start", true, At(10), At(10), At(10), At(10)},
        {"end after start", true, At(10), At(10, 0, 1), At(10), At(10, 0, 1)},
        {"start after end", false, At(10), At(10, 0, 1), At(10, 0, 1), Open},
        {"start equal to end", false, At(10), At(10), At(10), At(10)},
        {"start before end", false, At(10), At(9), At(9), At(10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimeRange range;
        if (c.startFirst) {
            range.SetStartTime(c.first);
            range.SetEndTime(c.second);
        } else {
            range.SetEndTime(c.first);
            range.SetStartTime(c.second);
        }
        ASSERT_EQ(range.HasStart(), c.expectedStart.has_value());
        ASSERT_EQ(range.HasEnd(), c.expectedEnd.has_value());
        if (c.expectedStart) {
            EXPECT_EQ(range.StartTime(), *c.expectedStart);
        }
        if (c.expectedEnd) {
            EXPECT_EQ(range.EndTime(), *c.expectedEnd);
        }
    }
}

TEST(TimeRange, IncludesHonoursOpenEndsAndInclusiveFlags) {
    struct Case {
        Bound start;
        Bound end;
        DateTime time;
        bool startInclusive;
        bool endInclusive;
        bool expected;
    };
    const Case cases[] = {
        // A range with neither bound includes every moment.
        {Open, Open, MakeDateTime(1900, 1, 1), false, false, true},
        {Open, Open, MakeDateTime(2999, 12, 31, 23, 59, 59), false, false, true},
        // Both bounds.
        {At(10), At(11), At(9, 59, 59), true, true, false},
        {At(10), At(11), At(10), true, false, true},
        {At(10), At(11), At(10), false, true, false},
        {At(10), At(11), At(10, 30), false, false, true},
        {At(10), At(11), At(11), false, true, true},
        {At(10), At(11), At(11), true, false, false},
        {At(10), At(11, 0, 0), At(11, 0, 1), true, true, false},
        // Start and end at the same moment.
        {At(10), At(10), At(10), true, true, true},
        {At(10), At(10), At(10), false, true, false},
        {At(10), At(10), At(10), true, false, false},
        // Open at one end.
        {At(10), Open, MakeDateTime(2030, 1, 1), false, false, true},
        {At(10), Open, At(10), false, false, false},
        {At(10), Open, At(9), true, true, false},
        {Open, At(11), MakeDateTime(1990, 1, 1), false, false, true},
        {Open, At(11), At(11), false, false, false},
        {Open, At(11), At(12), true, true, false},
    };
    for (const Case& c : cases) {
        const auto range = MakeRange(c.start, c.end);
        EXPECT_EQ(range->Includes(c.time, c.startInclusive, c.endInclusive), c.expected)
            << range->Serialize() << " at " << c.time.time_since_epoch().count() << " flags "
            << c.startInclusive << c.endInclusive;
    }
}

TEST(TimeRange, IncludesAdjustableMovesAnExclusiveBoundOneSecondInwards) {
    const auto range = MakeRange(At(10), At(11)); // tested with both of its bounds inclusive
    struct Case {
        const char* name;
        DateTime toCheck;
        DateTime otherBound;
        bool toCheckInclusive;
        bool otherBoundInclusive;
        bool positive;
        bool expected;
    };
    const Case cases[] = {
        {"exclusive start moved forward onto the start", At(9, 59, 59), At(12), false, true, true,
         true},
        {"inclusive start is not moved", At(9, 59, 59), At(12), true, true, true, false},
        {"exclusive end moved back onto the end", At(11, 0, 1), At(9), false, true, false, true},
        {"inclusive end is not moved", At(11, 0, 1), At(9), true, true, false, false},
        {"moving back leaves the range", At(10), At(9), false, true, false, false},
        {"moving forward leaves the range", At(11), At(12), false, true, true, false},
        {"no whole second between exclusive bounds", At(9, 59, 59), At(10), false, false, true,
         false},
        {"one second left when the other bound is inclusive", At(9, 59, 59), At(10), false, true,
         true, true},
        {"no whole second, checked from the end", At(10, 0, 1), At(10), false, false, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(range->IncludesAdjustable(c.toCheck, c.otherBound, c.toCheckInclusive,
                                            c.otherBoundInclusive, c.positive, true, true),
                  c.expected)
            << c.name;

    // The adjusted moment is tested with the caller's own flags for this range.
    EXPECT_FALSE(range->IncludesAdjustable(At(9, 59, 59), At(12), false, true, true, false, true));
}

TEST(TimeRange, OverlapsDecidesByTheFirstRuleThatApplies) {
    struct Case {
        const char* name;
        Bound start;
        Bound end;
        Bound otherStart;
        Bound otherEnd;
        // This start, this end, other start, other end.
        bool flags[4];
        bool expected;
    };
    const Case cases[] = {
        {"this open at both ends", Open, Open, At(10), At(11), {false, false, false, false}, true},
        {"other open at both ends", At(10), At(11), Open, Open, {false, false, false, false}, true},
        {"neither has a start", Open, At(10), Open, At(9), {false, false, false, false}, true},
        {"neither has an end", At(10), Open, At(12), Open, {false, false, false, false}, true},

        // This range has only an end: the other's start decides.
        {"this end meets other start", Open, At(11), At(11), Open, {true, true, true, true}, true},
        {"this end exclusive", Open, At(11), At(11), Open, {true, false, true, true}, false},
        {"other start exclusive", Open, At(11), At(11), At(12), {true, true, false, true}, false},
        {"other starts earlier", Open, At(11), At(10), At(12), {false, false, false, false}, true},
        {"other starts later", Open, At(11), At(12), At(13), {true, true, true, true}, false},

        // The other has only an end, or this has only a start: this start against the other end.
        {"this start meets other end",
         At(11),
         At(12),
         Open,
         At(11),
         {true, true, true, true},
         true},
        {"this start exclusive", At(11), At(12), Open, At(11), {false, true, true, true}, false},
        {"other end exclusive", At(11), At(12), Open, At(11), {true, true, true, false}, false},
        {"other ends after this starts",
         At(10),
         At(12),
         Open,
         At(11),
         {false, false, false, false},
         true},
        {"open-ended this meets other end",
         At(11),
         Open,
         At(10),
         At(11),
         {true, true, true, true},
         true},
        {"open-ended this, other end exclusive",
         At(11),
         Open,
         At(10),
         At(11),
         {true, true, true, false},
         false},
        {"open-ended this, other ends later",
         At(11),
         Open,
         At(12),
         At(13),
         {false, false, false, false},
         true},
        {"open-ended this, other ends earlier",
         At(11),
         Open,
         At(9),
         At(10),
         {true, true, true, true},
         false},

        // The other has only a start: it must not lie beyond this end.
        {"other open-ended from this end",
         At(10),
         At(11),
         At(11),
         Open,
         {true, true, true, true},
         true},
        {"other open-ended, this end exclusive",
         At(10),
         At(11),
         At(11),
         Open,
         {true, false, true, true},
         false},
        {"other open-ended, its start exclusive",
         At(10),
         At(11),
         At(11),
         Open,
         {true, true, false, true},
         false},
        {"other open-ended from before",
         At(10),
         At(11),
         At(9),
         Open,
         {false, false, false, false},
         true},
        {"other open-ended from later",
         At(10),
         At(11),
         At(12),
         Open,
         {true, true, true, true},
         false},

        // With an open end only the facing bounds are compared, to the moment: exclusive bounds
        // one second apart still overlap.
        {"open start, exclusive bounds a second apart",
         Open,
         At(10, 0, 1),
         At(10),
         At(11),
         {true, false, false, true},
         true},
        {"open end, exclusive bounds a second apart",
         At(10),
         Open,
         At(9),
         At(10, 0, 1),
         {false, true, true, false},
         true},
        {"other open-ended, exclusive bounds a second apart",
         At(9),
         At(10, 0, 1),
         At(10),
         Open,
         {true, false, false, true},
         true},

        // Both ranges closed.
        {"adjacent, both meeting bounds inclusive",
         At(10),
         At(11),
         At(11),
         At(12),
         {false, true, true, false},
         true},
        {"adjacent, this end exclusive",
         At(10),
         At(11),
         At(11),
         At(12),
         {true, false, true, true},
         false},
        {"adjacent, other start exclusive",
         At(10),
         At(11),
         At(11),
         At(12),
         {true, true, false, true},
         false},
        {"adjacent the other way",
         At(11),
         At(12),
         At(10),
         At(11),
         {true, false, false, true},
         true},
        {"adjacent the other way, this start exclusive",
         At(11),
         At(12),
         At(10),
         At(11),
         {false, true, true, true},
         false},
        {"other inside this", At(9), At(12), At(10), At(11), {false, false, false, false}, true},
        {"this inside other", At(10), At(11), At(9), At(12), {false, false, false, false}, true},
        {"partly overlapping", At(10), At(12), At(11), At(13), {false, false, false, false}, true},
        {"apart", At(10), At(11), At(12), At(13), {true, true, true, true}, false},
        {"this holds only 10:00:01, other only 10:00:01",
         At(10),
         At(10, 0, 2),
         At(10, 0, 1),
         At(10, 0, 1),
         {false, false, true, true},
         true},
        // The other's last whole second is 10:00:00 and this range's first is 10:00:01.
        {"exclusive bounds that only touch",
         At(10),
         At(10, 0, 2),
         At(9),
         At(10, 0, 1),
         {false, false, true, false},
         false},
        // 10:00:00 to 10:00:01 with both bounds exclusive holds no whole second.
        {"this holds no whole second",
         At(10),
         At(10, 0, 1),
         At(9),
         At(11),
         {false, false, true, true},
         false},
        {"other holds no whole second",
         At(9),
         At(11),
         At(10),
         At(10, 0, 1),
         {true, true, false, false},
         false},
        {"one second when one bound is inclusive",
         At(10),
         At(10, 0, 1),
         At(9),
         At(11),
         {true, false, true, true},
         true},
    };
    for (const Case& c : cases) {
        const auto range = MakeRange(c.start, c.end);
        const auto other = MakeRange(c.otherStart, c.otherEnd);
        EXPECT_EQ(range->Overlaps(*other, c.flags[0], c.flags[1], c.flags[2], c.flags[3]),
                  c.expected)
            << c.name;
    }
}

TEST(TimeRange, NewRangeOverlapsEveryRange) {
    const TimeRange empty;
    for (const auto& other : {MakeRange(Open, Open), MakeRange(At(10), Open),
                              MakeRange(Open, At(10)), MakeRange(At(10), At(11))}) {
        EXPECT_TRUE(empty.Overlaps(*other, false, false, false, false)) << other->Serialize();
        EXPECT_TRUE(other->Overlaps(empty, false, false, false, false)) << other->Serialize();
    }
}

TEST(TimeRange, StartsBeforeOtherEndsOnlyWhenStartPrecedesOtherEnd) {
    struct Case {
        const char* name;
        Bound start;
        std::shared_ptr<TimeRange> other;
        bool expected;
    };
    const Case cases[] = {
        {"absent other", At(12), nullptr, true},
        {"this has no start", Open, MakeRange(Open, At(9)), true},
        {"other has no end", At(12), MakeRange(At(13), Open), true},
        {"start before other end", At(10), MakeRange(Open, At(10, 0, 1)), true},
        {"start equal to other end", At(10), MakeRange(At(9), At(10)), false},
        {"start after other end", At(10, 0, 1), MakeRange(Open, At(10)), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeRange(c.start, At(23))->StartsBeforeOtherEnds(c.other), c.expected) << c.name;
}

TEST(TimeRange, EqualsComparesOnlyPresentBounds) {
    struct Case {
        const char* name;
        std::shared_ptr<TimeRange> left;
        std::shared_ptr<TimeRange> right;
        bool expected;
    };
    auto clearedStart = MakeRange(At(8), At(12));
    clearedStart->ClearStart();
    auto clearedEnd = MakeRange(At(10), At(12));
    clearedEnd->ClearEnd();
    const Case cases[] = {
        {"absent other", MakeRange(Open, Open), nullptr, false},
        {"both empty", MakeRange(Open, Open), MakeRange(Open, Open), true},
        {"same bounds", MakeRange(At(10), At(11)), MakeRange(At(10), At(11)), true},
        {"different start", MakeRange(At(10), At(11)), MakeRange(At(9), At(11)), false},
        {"different end", MakeRange(At(10), At(11)), MakeRange(At(10), At(12)), false},
        {"end against no end", MakeRange(At(10), At(11)), MakeRange(At(10), Open), false},
        {"no end against end", MakeRange(At(10), Open), MakeRange(At(10), At(11)), false},
        {"start against no start", MakeRange(At(10), At(11)), MakeRange(Open, At(11)), false},
        {"no start against start", MakeRange(Open, At(11)), MakeRange(At(10), At(11)), false},
        {"cleared start's old moment ignored", clearedStart, MakeRange(Open, At(12)), true},
        {"cleared end's old moment ignored", MakeRange(At(10), Open), clearedEnd, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.left->Equals(c.right), c.expected) << c.name;
}

TEST(TimeRange, SerializeWritesFlagsAndPresentBounds) {
    EXPECT_EQ(TimeRange{}.Serialize(), "(F,,F,)");
    EXPECT_EQ(MakeRange(At(18, 30), Open)->Serialize(), "(T,2004-03-01 18:30:00,F,)");
    EXPECT_EQ(MakeRange(Open, MakeDateTime(2004, 3, 5, 19, 8, 9))->Serialize(),
              "(F,,T,2004-03-05 19:08:09)");
    EXPECT_EQ(MakeRange(At(0), MakeDateTime(2004, 12, 31, 23, 59, 59))->Serialize(),
              "(T,2004-03-01 00:00:00,T,2004-12-31 23:59:59)");

    auto cleared = MakeRange(At(10), At(11));
    cleared->ClearStart();
    EXPECT_EQ(cleared->Serialize(), "(F,,T,2004-03-01 11:00:00)");
}

TEST(TimeRange, DeserializeReplacesTheBounds) {
    struct Case {
        const char* text;
        Bound start;
        Bound end;
    };
    const Case cases[] = {
        {"(F,,F,)", Open, Open},
        {"(T,2004-03-01 18:30:00,F,)", At(18, 30), Open},
        {"(T,2004-03-01 10:00:00,T,2004-03-01 11:00:00)", At(10), At(11)},
        // Read through the setters: an end before the start leaves only the end.
        {"(T,2004-03-02 00:00:00,T,2004-03-01 00:00:00)", Open, At(0)},
        // A date-time item is only read when its flag is true.
        {"(F,not a date,F,(x))", Open, Open},
        {"(t,2004-03-01,F,2004-02-30)", At(0), Open},
    };
    for (const Case& c : cases) {
        // Start from a range with both bounds so that every bound has to be replaced.
        const auto range = MakeRange(MakeDateTime(2001, 1, 1), MakeDateTime(2009, 1, 1));
        range->Deserialize(c.text);
        EXPECT_TRUE(range->Equals(MakeRange(c.start, c.end)))
            << c.text << " gave " << range->Serialize();
    }
}

TEST(TimeRange, DeserializeFailureLeavesTheRangeUnchanged) {
    struct Case {
        const char* text;
        int number;
        const char* description; // null: any
    };
    const Case cases[] = {
        {"(T,2004-03-01 00:00:00,F)", 37,
         "Unexpected number of fields in serialized time range: 3"},
        {"(F,,F,,)", 37, "Unexpected number of fields in serialized time range: 5"},
        {"", 37, "Unexpected number of fields in serialized time range: 0"},
        {"()", 37, "Unexpected number of fields in serialized time range: 1"},
        {"(T,2004-02-30 00:00:00,F,)", 13, nullptr},
        {"(T,,F,)", 13, nullptr},
        // The start is readable; the end must fail before the start is written.
        {"(T,2004-03-01 00:00:00,T,tomorrow)", 13, nullptr},
        {"(T,2004-03-01 00:00:00,F,", 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto range = MakeRange(At(10), At(11));
        const auto raised = RaisedError([&] { range->Deserialize(c.text); });
        ASSERT_TRUE(raised);
        EXPECT_EQ(raised->Number(), c.number);
        if (c.description) {
            EXPECT_EQ(raised->Description(), c.description);
            EXPECT_EQ(raised->Source(), "");
        }
        EXPECT_EQ(range->Serialize(), "(T,2004-03-01 10:00:00,T,2004-03-01 11:00:00)");
    }
}

TEST(TimeRange, CopyFromTakesTheOthersBounds) {
    const auto source = MakeRange(At(10), At(11));
    TimeRange copy;
    copy.SetEndTime(At(5));
    copy.CopyFrom(source);
    EXPECT_TRUE(copy.Equals(source));

    // The copy holds its own moments.
    source->SetStartTime(At(10, 30));
    EXPECT_EQ(copy.StartTime(), At(10));

    copy.CopyFrom(MakeRange(Open, At(12)));
    EXPECT_FALSE(copy.HasStart());
    EXPECT_EQ(copy.EndTime(), At(12));

    // An absent other counts as a new, empty range.
    copy.CopyFrom(nullptr);
    EXPECT_FALSE(copy.HasStart());
    EXPECT_FALSE(copy.HasEnd());
}
