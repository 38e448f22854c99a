#include "RaisedError.h"

#include "schedule/WeekTime.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

using namespace bw;
using bw::test::RaisedError;

namespace {

enum Day { Sun, Mon, Tue, Wed, Thu, Fri, Sat };

WeekTime At(int day, int hour, int minute = 0, int second = 0) {
    WeekTime time;
    time.SetTimeVal(day * 86400 + hour * 3600 + minute * 60 + second);
    return time;
}

struct Fields {
    int timeVal, day, hour, minute, second;
    bool operator==(const Fields&) const = default;
};

Fields FieldsOf(const WeekTime& time) {
    return {time.TimeVal(), time.Day(), time.Hour(), time.Minute(), time.Second()};
}

std::ostream& operator<<(std::ostream& out, const Fields& f) {
    return out << f.timeVal << " = day " << f.day << ' ' << f.hour << ':' << f.minute << ':'
               << f.second;
}

} // namespace

TEST(WeekTime, WritingTimeValWrapsOneWeekAndSetsTheFields) {
    EXPECT_EQ(FieldsOf(WeekTime{}), (Fields{0, Sun, 0, 0, 0}));

    struct Case {
        int written;
        Fields expected;
    };
    const Case cases[] = {
        {0, {0, Sun, 0, 0, 0}},
        {90061, {90061, Mon, 1, 1, 1}},
        {604799, {604799, Sat, 23, 59, 59}},
        {604800, {0, Sun, 0, 0, 0}},
        {604800 + 90061, {90061, Mon, 1, 1, 1}},
        {2 * 604800 + 5, {5, Sun, 0, 0, 5}},
        {-1, {604799, Sat, 23, 59, 59}},
        {-604800, {0, Sun, 0, 0, 0}},
        // Only one week before the start is folded back; earlier moments keep negative fields.
        {-604801, {-1, Sun, 0, 0, -1}},
        {-700000, {-95200, -1, -2, -26, -40}},
    };
    for (const Case& c : cases) {
        WeekTime time = At(Wed, 12, 34, 56);
        time.SetTimeVal(c.written);
        EXPECT_EQ(FieldsOf(time), c.expected) << "written " << c.written;
    }
}

TEST(WeekTime, FieldSettersClampTheTimeAndWrapTheDay) {
    struct Case {
        const char* name;
        std::function<void(WeekTime&)> write;
        Fields expected;
    };
    // Every case starts from Monday 10:20:30.
    const Case cases[] = {
        {"hour 24", [](WeekTime& t) { t.SetHour(24); }, {Mon * 86400 + 84030, Mon, 23, 20, 30}},
        {"hour -1", [](WeekTime& t) { t.SetHour(-1); }, {Mon * 86400 + 1230, Mon, 0, 20, 30}},
        {"hour 5", [](WeekTime& t) { t.SetHour(5); }, {Mon * 86400 + 19230, Mon, 5, 20, 30}},
        {"minute -5", [](WeekTime& t) { t.SetMinute(-5); }, {Mon * 86400 + 36030, Mon, 10, 0, 30}},
        {"minute 60", [](WeekTime& t) { t.SetMinute(60); }, {Mon * 86400 + 39570, Mon, 10, 59, 30}},
        {"second 75", [](WeekTime& t) { t.SetSecond(75); }, {Mon * 86400 + 37259, Mon, 10, 20, 59}},
        {"second -1", [](WeekTime& t) { t.SetSecond(-1); }, {Mon * 86400 + 37200, Mon, 10, 20, 0}},
        {"day 7", [](WeekTime& t) { t.SetDay(7); }, {37230, Sun, 10, 20, 30}},
        {"day -1", [](WeekTime& t) { t.SetDay(-1); }, {Sat * 86400 + 37230, Sat, 10, 20, 30}},
        {"day 13", [](WeekTime& t) { t.SetDay(13); }, {Sat * 86400 + 37230, Sat, 10, 20, 30}},
        {"day 3", [](WeekTime& t) { t.SetDay(3); }, {Wed * 86400 + 37230, Wed, 10, 20, 30}},
    };
    for (const Case& c : cases) {
        WeekTime time = At(Mon, 10, 20, 30);
        c.write(time);
        EXPECT_EQ(FieldsOf(time), c.expected) << c.name;
    }
    EXPECT_EQ(At(Mon, 1, 1, 1).DaySecond(), 3661);
    EXPECT_EQ(At(Sat, 23, 59, 59).DaySecond(), 86399);
}

TEST(WeekTime, ComparisonsUseTheWeekSecondWithoutWrapping) {
    const WeekTime saturday = At(Sat, 23);
    const WeekTime sunday = At(Sun, 1);
    EXPECT_TRUE(sunday.Precedes(saturday));
    EXPECT_FALSE(saturday.Precedes(sunday));
    EXPECT_FALSE(sunday.Precedes(At(Sun, 1)));
    EXPECT_TRUE(sunday.PrecedesEq(At(Sun, 1)));
    EXPECT_FALSE(saturday.PrecedesEq(sunday));
    EXPECT_TRUE(sunday.Equals(At(Sun, 1)));
    EXPECT_FALSE(sunday.Equals(At(Sun, 1, 0, 1)));

    EXPECT_TRUE(sunday.MemberwiseEquals(std::make_shared<WeekTime>(At(Sun, 1))));
    EXPECT_FALSE(sunday.MemberwiseEquals(std::make_shared<WeekTime>(At(Mon, 1))));
    EXPECT_FALSE(sunday.MemberwiseEquals(nullptr));
}

TEST(WeekTime, IntervalTestsIncludingIntervalsOverTheEndOfTheWeek) {
    struct Case {
        const char* name;
        WeekTime lower, upper, time;
        bool between, betweenEquals, inRange;
    };
    const WeekTime monTen = At(Mon, 10), monNoon = At(Mon, 12);
    const WeekTime satTen = At(Sat, 22), sunTwo = At(Sun, 2);
    const Case cases[] = {
        {"inside", monTen, monNoon, At(Mon, 11), true, true, true},
        {"at the lower bound", monTen, monNoon, monTen, false, true, true},
        {"at the upper bound", monTen, monNoon, monNoon, false, true, false},
        {"before", monTen, monNoon, At(Mon, 9, 59, 59), false, false, false},
        {"after", monTen, monNoon, At(Mon, 12, 0, 1), false, false, false},
        {"wrapped, after midnight", satTen, sunTwo, At(Sun, 1), true, true, true},
        {"wrapped, before midnight", satTen, sunTwo, At(Sat, 23), true, true, true},
        {"wrapped, at the lower bound", satTen, sunTwo, satTen, false, true, true},
        {"wrapped, at the upper bound", satTen, sunTwo, sunTwo, false, true, false},
        {"wrapped, after the upper bound", satTen, sunTwo, At(Sun, 3), false, false, false},
        {"wrapped, mid-week", satTen, sunTwo, At(Wed, 12), false, false, false},
        {"wrapped, just before the lower bound", satTen, sunTwo, At(Sat, 21, 59, 59), false, false,
         false},
        {"equal bounds, elsewhere", monTen, monTen, At(Thu, 3), true, true, true},
        {"equal bounds, at them", monTen, monTen, monTen, true, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.time.Between(c.lower, c.upper), c.between) << c.name;
        EXPECT_EQ(c.time.BetweenEquals(c.lower, c.upper), c.betweenEquals) << c.name;
        EXPECT_EQ(c.time.InRange(c.lower, c.upper), c.inRange) << c.name;
    }
}

TEST(WeekTime, ArithmeticWrapsAroundTheWeek) {
    const WeekTime early = At(Sun, 0, 0, 10);
    const WeekTime late = At(Sat, 23, 59, 50);
    EXPECT_EQ(early.Minus(late), 20);
    EXPECT_EQ(late.Minus(early), 604780);
    EXPECT_EQ(early.Minus(early), 0);

    EXPECT_EQ(FieldsOf(early.PlusDuration(-20)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(early.MinusDuration(20)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(late.PlusDuration(20)), FieldsOf(early));
    EXPECT_EQ(FieldsOf(late.PlusDuration(604800)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(At(Sat, 23).PlusTime(At(Sun, 2))), FieldsOf(At(Sun, 1)));
    EXPECT_EQ(FieldsOf(At(Mon, 1).PlusTime(At(Tue, 2, 3, 4))), FieldsOf(At(Wed, 3, 3, 4)));

    // The operands are left as they were.
    EXPECT_EQ(FieldsOf(early), (Fields{10, Sun, 0, 0, 10}));
    EXPECT_EQ(FieldsOf(late), (Fields{604790, Sat, 23, 59, 50}));
}

TEST(WeekTime, ArithmeticBeyond32BitsRaisesOverflow) {
    const std::function<void()> overflowing[] = {
        [] { WeekTime{}.SetTimeVal(INT_MAX); },
        [] { WeekTime{}.SetTimeVal(INT_MAX - 604799); },
        [] { WeekTime{}.SetDay(INT_MAX); },
        [] { (void)At(Sun, 0, 0, 1).PlusDuration(INT_MAX); },
        // The sum fits, but folding it into the week does not.
        [] { (void)At(Sun, 0, 0, 1).PlusDuration(INT_MAX - 604800); },
        [] { (void)At(Sun, 0, 0, 1).MinusDuration(INT_MIN); },
    };
    for (size_t i = 0; i < std::size(overflowing); ++i) {
        const auto raised = RaisedError(overflowing[i]);
        ASSERT_TRUE(raised) << "case " << i;
        EXPECT_EQ(raised->Number(), 6) << "case " << i;
    }

    // Right at the limit nothing overflows.
    WeekTime limit;
    limit.SetTimeVal(INT_MAX - 604800);
    EXPECT_EQ(limit.TimeVal(), INT_MAX % 604800);
    EXPECT_EQ(WeekTime{}.PlusDuration(INT_MAX - 604800).TimeVal(), INT_MAX % 604800);
    EXPECT_EQ(WeekTime{}.PlusDuration(INT_MIN).TimeVal(), (INT_MIN + 604800) % 604800);
}

TEST(WeekTime, TextsOnThe24And12HourClocks) {
    struct Case {
        WeekTime time;
        const char* plain;
        const char* dayTime;
        const char* weekTime;
    };
    const Case cases[] = {
        {At(Sun, 0), "Sun000", "12:00:00 AM", "Sun 12:00:00 AM"},
        {At(Sun, 12), "Sun1200", "12:00:00 PM", "Sun 12:00:00 PM"},
        {At(Mon, 10, 3, 5), "Mon1035", "10:03:05 AM", "Mon 10:03:05 AM"},
        {At(Tue, 13, 5, 9), "Tue1359", "1:05:09 PM", "Tue 1:05:09 PM"},
        {At(Wed, 11, 59, 59), "Wed115959", "11:59:59 AM", "Wed 11:59:59 AM"},
        {At(Thu, 0, 30, 10), "Thu03010", "12:30:10 AM", "Thu 12:30:10 AM"},
        {At(Fri, 12, 10, 0), "Fri12100", "12:10:00 PM", "Fri 12:10:00 PM"},
        {At(Sat, 23, 59, 59), "Sat235959", "11:59:59 PM", "Sat 11:59:59 PM"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.time.ToString(), c.plain);
        EXPECT_EQ(c.time.DayTimeToString(), c.dayTime);
        EXPECT_EQ(c.time.WeekTimeToString(), c.weekTime);
    }

    // A day outside the week has no name.
    WeekTime outside;
    outside.SetTimeVal(-700000);
    EXPECT_EQ(outside.ToString(), "-2-26-40");
}
