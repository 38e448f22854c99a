#pragma once

#include <memory>
#include <string>

namespace bw {

// A moment in a repeating week, to the second: a day with a time of day, kept together with the
// same moment as seconds since Sunday 00:00:00. Arithmetic that leaves 32 bits raises the
// overflow error.
class WeekTime {
public:
    static constexpr int SecondsPerWeek = 604800;
    static constexpr int SecondsPerDay = 86400;
    static constexpr int SecondsPerHour = 3600;
    static constexpr int SecondsPerMinute = 60;

    WeekTime() = default;

    // Seconds since Sunday 00:00:00. Writing wraps one week either way, so -1 is Saturday
    // 23:59:59; the day and time fields follow.
    int TimeVal() const { return timeVal_; }
    void SetTimeVal(int newTime);

    // 0 = Sunday ... 6 = Saturday; writing wraps, so -1 is Saturday and 7 is Sunday.
    int Day() const { return day_; }
    void SetDay(int newDay);

    // Writing clamps rather than wraps: an hour of 24 stays in the same day as 23.
    int Hour() const { return hour_; }
    void SetHour(int newHour);
    int Minute() const { return minute_; }
    void SetMinute(int newMinute);
    int Second() const { return second_; }
    void SetSecond(int newSecond);

    // Seconds since midnight of this day.
    int DaySecond() const;

    // Plain comparisons of TimeVal, without wrap-around.
    bool Equals(const WeekTime& other) const { return timeVal_ == other.timeVal_; }
    bool Precedes(const WeekTime& other) const { return timeVal_ < other.timeVal_; }
    bool PrecedesEq(const WeekTime& other) const { return timeVal_ <= other.timeVal_; }
    // Compares every field; false for an absent other.
    bool MemberwiseEquals(const std::shared_ptr<WeekTime>& other) const;

    // Interval tests. A lower bound after the upper one means the interval runs over the end of
    // the week; equal bounds stand for the whole week.
    bool Between(const WeekTime& lowerBound, const WeekTime& upperBound) const;
    bool BetweenEquals(const WeekTime& lowerBound, const WeekTime& upperBound) const;
    bool InRange(const WeekTime& lowerBound, const WeekTime& upperBound) const;

    WeekTime PlusTime(const WeekTime& other) const;
    WeekTime PlusDuration(int duration) const;
    WeekTime MinusDuration(int duration) const;
    // Seconds from `other` forward to this moment, 0 to 604799.
    int Minus(const WeekTime& other) const;

    // "Mon1035" for Monday 10:03:05: day name and unpadded fields, no separators.
    std::string ToString() const;
    // "1:05:09 PM" on the 12-hour clock.
    std::string DayTimeToString() const;
    // "Sat 11:59:59 PM".
    std::string WeekTimeToString() const;

private:
    void Recompute();

    int timeVal_ = 0;
    int second_ = 0;
    int minute_ = 0;
    int hour_ = 0;
    int day_ = 0;
};

} // namespace bw
