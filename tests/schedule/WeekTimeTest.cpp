#include "DocumentedErrors.h"

#include "schedule/WeekTime.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <memory>

using namespace bw;
using bw::test::ErrorOf;

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

TEST(WeekTime, TimeValAndFieldsWrapTheWeek) {
    EXPECT_EQ(FieldsOf(WeekTime{}), (Fields{0, Sun, 0, 0, 0}));
    // clang-format off
    const std::pair<int, Fields> written[] = {
        {90061, {90061, Mon, 1, 1, 1}}, {604800, {0, Sun, 0, 0, 0}}, {-1, {604799, Sat, 23, 59, 59}},
        // Only one week before the start is folded back; earlier moments keep negative fields.
        {-604801, {-1, Sun, 0, 0, -1}}};
    // From Monday 10:20:30: the time of day is clamped, the day wraps.
    const std::pair<std::function<void(WeekTime&)>, Fields> set[] = {
        {[](WeekTime& t) { t.SetHour(24); }, {Mon * 86400 + 84030, Mon, 23, 20, 30}},
        {[](WeekTime& t) { t.SetMinute(-5); }, {Mon * 86400 + 36030, Mon, 10, 0, 30}},
        {[](WeekTime& t) { t.SetSecond(75); }, {Mon * 86400 + 37259, Mon, 10, 20, 59}},
        {[](WeekTime& t) { t.SetDay(-1); }, {Sat * 86400 + 37230, Sat, 10, 20, 30}}};
    // clang-format on
    for (const auto& [value, expected] : written) {
        WeekTime time = At(Wed, 12, 34, 56);
        time.SetTimeVal(value);
        EXPECT_EQ(FieldsOf(time), expected) << value;
    }
    for (const auto& [write, expected] : set) {
        WeekTime time = At(Mon, 10, 20, 30);
        write(time);
        EXPECT_EQ(FieldsOf(time), expected);
    }
    EXPECT_EQ(At(Sat, 23, 59, 59).DaySecond(), 86399);
}

TEST(WeekTime, ComparisonsAndIntervalsOverTheEndOfTheWeek) {
    EXPECT_TRUE(At(Sun, 1).Precedes(At(Sat, 23)) && !At(Sun, 1).Precedes(At(Sun, 1)));
    EXPECT_TRUE(At(Sun, 1).PrecedesEq(At(Sun, 1)) && !At(Sat, 23).PrecedesEq(At(Sun, 1)));
    EXPECT_TRUE(At(Sun, 1).Equals(At(Sun, 1)) && !At(Sun, 1).Equals(At(Sun, 1, 0, 1)));
    EXPECT_TRUE(At(Sun, 1).MemberwiseEquals(std::make_shared<WeekTime>(At(Sun, 1))));
    EXPECT_FALSE(At(Sun, 1).MemberwiseEquals(nullptr));
    const WeekTime monTen = At(Mon, 10), monNoon = At(Mon, 12), satTen = At(Sat, 22),
                   sunTwo = At(Sun, 2);
    // Lower, upper, time: Between, BetweenEquals, InRange.
    // clang-format off
    const std::tuple<WeekTime, WeekTime, WeekTime, std::array<bool, 3>> cases[] = {
        {monTen, monNoon, At(Mon, 11), {true, true, true}},   {monTen, monNoon, monTen, {false, true, true}},
        {monTen, monNoon, monNoon, {false, true, false}},     {satTen, sunTwo, At(Sun, 1), {true, true, true}},
        {satTen, sunTwo, sunTwo, {false, true, false}},       {satTen, sunTwo, At(Wed, 12), {false, false, false}},
        {monTen, monTen, At(Thu, 3), {true, true, true}}};
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
    EXPECT_EQ(FieldsOf(early.MinusDuration(20)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(late.PlusDuration(20)), FieldsOf(early));
    EXPECT_EQ(FieldsOf(At(Sat, 23).PlusTime(At(Sun, 2))), FieldsOf(At(Sun, 1)));
    EXPECT_EQ(FieldsOf(early), (Fields{10, Sun, 0, 0, 10})); // the operands are left alone
    const std::function<void()> overflowing[] = {
        [] { WeekTime{}.SetTimeVal(INT_MAX - 604799); }, [] { WeekTime{}.SetDay(INT_MAX); },
        // The sum fits, but folding it into the week does not.
        [] { (void)At(Sun, 0, 0, 1).PlusDuration(INT_MAX - 604800); },
        [] { (void)At(Sun, 0, 0, 1).MinusDuration(INT_MIN); }};
    for (const auto& overflow : overflowing)
        EXPECT_EQ(ErrorOf(overflow).Number(), 6);
    // Right at the limit nothing overflows.
    EXPECT_EQ(WeekTime{}.PlusDuration(INT_MAX - 604800).TimeVal(), INT_MAX % 604800);
    EXPECT_EQ(WeekTime{}.PlusDuration(INT_MIN).TimeVal(), (INT_MIN + 604800) % 604800);
}

TEST(WeekTime, TextsOnThe24And12HourClocks) {
    const std::tuple<WeekTime, const char*, const char*> cases[] = {
        {At(Sun, 0), "Sun000", "Sun 12:00:00 AM"},
        {At(Tue, 13, 5, 9), "Tue1359", "Tue 1:05:09 PM"},
        {At(Wed, 10, 10, 10), "Wed101010", "Wed 10:10:10 AM"},
        {At(Sat, 23, 59, 59), "Sat235959", "Sat 11:59:59 PM"}};
    for (const auto& [time, plain, weekTime] : cases) {
        EXPECT_EQ(time.ToString(), plain);
        EXPECT_EQ(time.WeekTimeToString(), weekTime);
        EXPECT_EQ(time.DayTimeToString(), std::string(weekTime).substr(4));
    }
    WeekTime outside; // a day outside the week has no name
    outside.SetTimeVal(-700000);
    EXPECT_EQ(outside.ToString(), "-2-26-40");
}
