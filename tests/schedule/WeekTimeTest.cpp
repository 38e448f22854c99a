#include "RaisedError.h"

#include "schedule/WeekTime.h"

#include <gtest/gtest.h>

#include <array>
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

// Time value, day, hour, minute, second.
using Fields = std::array<int, 5>;

Fields FieldsOf(const WeekTime& time) {
    return {time.TimeVal(), time.Day(), time.Hour(), time.Minute(), time.Second()};
}

} // namespace

TEST(WeekTime, WritingTimeValWrapsOneWeekAndSetsTheFields) {
    EXPECT_EQ(FieldsOf(WeekTime{}), (Fields{0, Sun, 0, 0, 0}));
    // clang-format off
    const std::pair<int, Fields> cases[] = {
        {90061, {90061, Mon, 1, 1, 1}}, {604799, {604799, Sat, 23, 59, 59}}, {604800, {0, Sun, 0, 0, 0}},
        {2 * 604800 + 5, {5, Sun, 0, 0, 5}}, {-1, {604799, Sat, 23, 59, 59}}, {-604800, {0, Sun, 0, 0, 0}},
        // Only one week before the start is folded back; earlier moments keep negative fields.
        {-604801, {-1, Sun, 0, 0, -1}}, {-700000, {-95200, -1, -2, -26, -40}}};
    // clang-format on
    for (const auto& [written, expected] : cases) {
        WeekTime time = At(Wed, 12, 34, 56);
        time.SetTimeVal(written);
        EXPECT_EQ(FieldsOf(time), expected) << "written " << written;
    }
}

TEST(WeekTime, FieldSettersClampTheTimeAndWrapTheDay) {
    const int monday = Mon * 86400;
    // Every case starts from Monday 10:20:30.
    // clang-format off
    const std::pair<std::function<void(WeekTime&)>, Fields> cases[] = {
        {[](WeekTime& t) { t.SetHour(24); }, {monday + 84030, Mon, 23, 20, 30}},
        {[](WeekTime& t) { t.SetHour(-1); }, {monday + 1230, Mon, 0, 20, 30}},
        {[](WeekTime& t) { t.SetMinute(60); }, {monday + 39570, Mon, 10, 59, 30}},
        {[](WeekTime& t) { t.SetSecond(-1); }, {monday + 37200, Mon, 10, 20, 0}},
        {[](WeekTime& t) { t.SetDay(7); }, {37230, Sun, 10, 20, 30}},
        {[](WeekTime& t) { t.SetDay(-1); }, {Sat * 86400 + 37230, Sat, 10, 20, 30}},
        {[](WeekTime& t) { t.SetDay(3); }, {Wed * 86400 + 37230, Wed, 10, 20, 30}}};
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i) {
        WeekTime time = At(Mon, 10, 20, 30);
        cases[i].first(time);
        EXPECT_EQ(FieldsOf(time), cases[i].second) << "case " << i;
    }
    EXPECT_EQ(At(Sat, 23, 59, 59).DaySecond(), 86399);
}

TEST(WeekTime, ComparisonsUseTheWeekSecondWithoutWrapping) {
    const WeekTime saturday = At(Sat, 23), sunday = At(Sun, 1);
    EXPECT_TRUE(sunday.Precedes(saturday) && !saturday.Precedes(sunday));
    EXPECT_TRUE(!sunday.Precedes(At(Sun, 1)) && sunday.PrecedesEq(At(Sun, 1)));
    EXPECT_FALSE(saturday.PrecedesEq(sunday));
    EXPECT_TRUE(sunday.Equals(At(Sun, 1)) && !sunday.Equals(At(Sun, 1, 0, 1)));
    EXPECT_TRUE(sunday.MemberwiseEquals(std::make_shared<WeekTime>(At(Sun, 1))));
    EXPECT_FALSE(sunday.MemberwiseEquals(std::make_shared<WeekTime>(At(Mon, 1))));
    EXPECT_FALSE(sunday.MemberwiseEquals(nullptr));
}

TEST(WeekTime, IntervalTestsIncludingIntervalsOverTheEndOfTheWeek) {
    const WeekTime monTen = At(Mon, 10), monNoon = At(Mon, 12), satTen = At(Sat, 22),
                   sunTwo = At(Sun, 2);
    // Lower, upper, time: Between, BetweenEquals, InRange.
    // clang-format off
    const std::tuple<WeekTime, WeekTime, WeekTime, std::array<bool, 3>> cases[] = {
        {monTen, monNoon, At(Mon, 11), {true, true, true}},      {monTen, monNoon, monTen,
         {false, true, true}},
        {monTen, monNoon, monNoon, {false, true, false}},        {monTen, monNoon, At(Mon, 12, 0, 1),
         {false, false, false}},
        {satTen, sunTwo, At(Sun, 1), {true, true, true}},        {satTen, sunTwo, At(Sat, 23),
         {true, true, true}},
        {satTen, sunTwo, satTen, {false, true, true}},           {satTen, sunTwo, sunTwo,
         {false, true, false}},
        {satTen, sunTwo, At(Wed, 12), {false, false, false}},    {monTen, monTen, At(Thu, 3),
         {true, true, true}}};
    // clang-format on
    for (const auto& [lower, upper, time, expected] : cases)
        EXPECT_EQ((std::array{time.Between(lower, upper), time.BetweenEquals(lower, upper),
                              time.InRange(lower, upper)}),
                  expected)
            << lower.WeekTimeToString() << " to " << upper.WeekTimeToString() << " at "
            << time.WeekTimeToString();
}

TEST(WeekTime, ArithmeticWrapsAroundTheWeekAndRaisesOverflowBeyond32Bits) {
    const WeekTime early = At(Sun, 0, 0, 10), late = At(Sat, 23, 59, 50);
    EXPECT_EQ(early.Minus(late), 20);
    EXPECT_EQ(late.Minus(early), 604780);
    EXPECT_EQ(FieldsOf(early.PlusDuration(-20)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(early.MinusDuration(20)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(late.PlusDuration(20)), FieldsOf(early));
    EXPECT_EQ(FieldsOf(late.PlusDuration(604800)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(At(Sat, 23).PlusTime(At(Sun, 2))), FieldsOf(At(Sun, 1)));
    EXPECT_EQ(FieldsOf(At(Mon, 1).PlusTime(At(Tue, 2, 3, 4))), FieldsOf(At(Wed, 3, 3, 4)));
    EXPECT_EQ(FieldsOf(early), (Fields{10, Sun, 0, 0, 10})); // the operands are left alone

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
    // clang-format off
    const std::tuple<WeekTime, const char*, const char*> cases[] = {
        {At(Sun, 0), "Sun000", "Sun 12:00:00 AM"},          {At(Sun, 12), "Sun1200", "Sun 12:00:00 PM"},
        {At(Tue, 13, 5, 9), "Tue1359", "Tue 1:05:09 PM"},   {At(Thu, 0, 30, 10), "Thu03010",
         "Thu 12:30:10 AM"},
        {At(Sat, 23, 59, 59), "Sat235959", "Sat 11:59:59 PM"}};
    // clang-format on
    for (const auto& [time, plain, weekTime] : cases) {
        EXPECT_EQ(time.ToString(), plain);
        EXPECT_EQ(time.WeekTimeToString(), weekTime);
        EXPECT_EQ(time.DayTimeToString(), std::string(weekTime).substr(4));
    }
    // A day outside the week has no name.
    WeekTime outside;
    outside.SetTimeVal(-700000);
    EXPECT_EQ(outside.ToString(), "-2-26-40");
}
