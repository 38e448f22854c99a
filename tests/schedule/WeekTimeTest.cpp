#include "DataFile.h"
#include "DocumentedErrors.h"

#include "schedule/WeekTime.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <map>
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
std::string FieldsOf(const WeekTime& time) {
    std::string fields;
    for (int field : {time.TimeVal(), time.Day(), time.Hour(), time.Minute(), time.Second()})
        fields += (fields.empty() ? "" : " ") + std::to_string(field);
    return fields;
}

} // namespace

TEST(WeekTime, TheTableOfFieldsAndTexts) {
    const std::map<std::string, void (WeekTime::*)(int)> setters = {
        {"time", &WeekTime::SetTimeVal},
        {"day", &WeekTime::SetDay},
        {"hour", &WeekTime::SetHour},
        {"minute", &WeekTime::SetMinute},
        {"second", &WeekTime::SetSecond}};
    for (const auto& row : test::DataRows("schedule/week-times.txt")) {
        WeekTime time = At(Mon, 10, 20, 30);
        (time.*setters.at(row[0]))(std::stoi(row[1]));
        EXPECT_EQ(FieldsOf(time) + "|" + time.ToString() + "|" + time.WeekTimeToString() + "|" +
                      time.DayTimeToString(),
                  row[2] + "|" + row[3] + "|" + row[4] + "|" + row[5])
            << row[0] << " " << row[1];
    }
    EXPECT_EQ(FieldsOf(WeekTime{}), "0 0 0 0 0");
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
    EXPECT_EQ(FieldsOf(early), "10 0 0 0 10"); // the operands are left alone
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
