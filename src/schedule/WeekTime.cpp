#include "schedule/WeekTime.h"

#include "listtext/Error.h"

#include <algorithm>

namespace bw {

namespace {

int Add(int a, int b) {
    int sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        RaiseOverflow();
    return sum;
}

int Subtract(int a, int b) {
    int difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        RaiseOverflow();
    return difference;
}

int Multiply(int a, int b) {
    int product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        RaiseOverflow();
    return product;
}

std::string DayName(int day) {
    static constexpr const char* names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return day >= 0 && day <= 6 ? names[day] : "";
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (value < 10)
        text.insert(text.begin(), '0');
    return text;
}

} // namespace

void WeekTime::SetTimeVal(int newTime) {
    // Remainders keep the dividend's sign, so only the week before the start is folded back.
    const int value = Add(newTime, SecondsPerWeek) % SecondsPerWeek;
    timeVal_ = value;
    day_ = value / SecondsPerDay;
    hour_ = value % SecondsPerDay / SecondsPerHour;
    minute_ = value % SecondsPerHour / SecondsPerMinute;
    second_ = value % SecondsPerMinute;
}

void WeekTime::SetDay(int newDay) {
    day_ = Add(newDay, 7) % 7;
    Recompute();
}

void WeekTime::SetHour(int newHour) {
    hour_ = std::clamp(newHour, 0, 23);
    Recompute();
}

void WeekTime::SetMinute(int newMinute) {
    minute_ = std::clamp(newMinute, 0, 59);
    Recompute();
}

void WeekTime::SetSecond(int newSecond) {
    second_ = std::clamp(newSecond, 0, 59);
    Recompute();
}

void WeekTime::Recompute() {
    int value = Multiply(day_, SecondsPerDay);
    value = Add(value, Multiply(hour_, SecondsPerHour));
    value = Add(value, Multiply(minute_, SecondsPerMinute));
    timeVal_ = Add(value, second_);
}

int WeekTime::DaySecond() const {
    return Subtract(timeVal_, Multiply(day_, SecondsPerDay));
}

bool WeekTime::MemberwiseEquals(const std::shared_ptr<WeekTime>& other) const {
    if (!other)
        return false;
    return timeVal_ == other->timeVal_ && second_ == other->second_ && minute_ == other->minute_ &&
           hour_ == other->hour_ && day_ == other->day_;
}

// Equal bounds stand for the whole week; a lower bound after the upper one means the interval
// runs over the end of the week, so a moment is inside when it is past the lower bound or before
// the upper one.
bool WeekTime::Between(const WeekTime& lowerBound, const WeekTime& upperBound) const {
    const int l = lowerBound.timeVal_, u = upperBound.timeVal_, t = timeVal_;
    if (l == u)
        return true;
    return l < u ? l < t && t < u : t > l || t < u;
}

bool WeekTime::BetweenEquals(const WeekTime& lowerBound, const WeekTime& upperBound) const {
    const int l = lowerBound.timeVal_, u = upperBound.timeVal_, t = timeVal_;
    if (l == u)
        return true;
    return l < u ? l <= t && t <= u : t >= l || t <= u;
}

bool WeekTime::InRange(const WeekTime& lowerBound, const WeekTime& upperBound) const {
    const int l = lowerBound.timeVal_, u = upperBound.timeVal_, t = timeVal_;
    if (l == u)
        return true;
    return l < u ? l <= t && t < u : t >= l || t < u;
}

WeekTime WeekTime::PlusTime(const WeekTime& other) const {
    WeekTime result;
    result.SetTimeVal(Add(timeVal_, other.timeVal_));
    return result;
}

WeekTime WeekTime::PlusDuration(int duration) const {
    WeekTime result;
    result.SetTimeVal(Add(timeVal_, duration));
    return result;
}

WeekTime WeekTime::MinusDuration(int duration) const {
    WeekTime result;
    result.SetTimeVal(Subtract(timeVal_, duration));
    return result;
}

int WeekTime::Minus(const WeekTime& other) const {
    return Add(Subtract(timeVal_, other.timeVal_), SecondsPerWeek) % SecondsPerWeek;
}

std::string WeekTime::ToString() const {
    return DayName(day_) + std::to_string(hour_) + std::to_string(minute_) +
           std::to_string(second_);
}

std::string WeekTime::DayTimeToString() const {
    const int hour12 = hour_ == 0 || hour_ == 12 ? 12 : hour_ % 12;
    return std::to_string(hour12) + ":" + TwoDigits(minute_) + ":" + TwoDigits(second_) +
           (hour_ < 12 ? " AM" : " PM");
}

std::string WeekTime::WeekTimeToString() const {
    return DayName(day_) + " " + DayTimeToString();
}

} // namespace bw
