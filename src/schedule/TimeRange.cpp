#include "schedule/TimeRange.h"

#include "listtext/Serialize.h"
#include "schedule/ScheduleError.h"

#include <optional>

namespace bw {

namespace {

// A ≤ B when both flags hold, else A < B: two bounds that meet count only when both are inside.
bool UpTo(DateTime a, DateTime b, bool firstInclusive, bool secondInclusive) {
    return firstInclusive && secondInclusive ? a <= b : a < b;
}

std::optional<DateTime> ReadBound(std::string_view flag, std::string_view time) {
    if (!Serialize::BoolFromText(flag))
        return std::nullopt;
    return Serialize::DateFromText(time);
}

} // namespace

DateTime TimeRange::StartTime() const {
    if (!hasStart_)
        RaiseScheduleError("Time range has no start");
    return startTime_;
}

DateTime TimeRange::EndTime() const {
    if (!hasEnd_)
        RaiseScheduleError("Time range has no end");
    return endTime_;
}

void TimeRange::SetStartTime(DateTime newValue) {
    startTime_ = newValue;
    hasStart_ = true;
    if (hasEnd_ && endTime_ < startTime_)
        hasEnd_ = false;
}

void TimeRange::SetEndTime(DateTime newValue) {
    endTime_ = newValue;
    hasEnd_ = true;
    if (hasStart_ && endTime_ < startTime_)
        hasStart_ = false;
}

bool TimeRange::Includes(DateTime time, bool startInclusive, bool endInclusive) const {
    if (hasStart_ && (time < startTime_ || (time == startTime_ && !startInclusive)))
        return false;
    if (hasEnd_ && (time > endTime_ || (time == endTime_ && !endInclusive)))
        return false;
    return true;
}

bool TimeRange::IncludesAdjustable(DateTime toCheck, DateTime otherBound, bool toCheckInclusive,
                                   bool otherBoundInclusive, bool adjustmentPositive,
                                   bool startInclusive, bool endInclusive) const {
    if (!toCheckInclusive) {
        toCheck += std::chrono::seconds{adjustmentPositive ? 1 : -1};
        // Both bounds exclusive and one second apart: the second range holds no whole second.
        if (!otherBoundInclusive && toCheck == otherBound)
            return false;
    }
    return Includes(toCheck, startInclusive, endInclusive);
}

bool TimeRange::Overlaps(const TimeRange& other, bool thisStartInclusive, bool thisEndInclusive,
                         bool otherStartInclusive, bool otherEndInclusive) const {
    // A range open at both ends reaches everything, and so do two ranges open on the same side.
    if (!hasStart_ && !hasEnd_)
        return true;
    if (!other.hasStart_ && !other.hasEnd_)
        return true;
    if (!hasStart_ && !other.hasStart_)
        return true;
    if (!hasEnd_ && !other.hasEnd_)
        return true;

    // With one open end left, only the two facing bounds can keep the ranges apart.
    if (!hasStart_)
        return UpTo(other.startTime_, endTime_, thisEndInclusive, otherStartInclusive);
    if (!other.hasStart_ || !hasEnd_)
        return UpTo(startTime_, other.endTime_, thisStartInclusive, otherEndInclusive);
    if (!other.hasEnd_)
        return UpTo(other.startTime_, endTime_, thisEndInclusive, otherStartInclusive);

    // Both closed: they overlap when either holds a bound of the other.
    return other.IncludesAdjustable(startTime_, endTime_, thisStartInclusive, thisEndInclusive,
                                    true, otherStartInclusive, otherEndInclusive) ||
           other.IncludesAdjustable(endTime_, startTime_, thisEndInclusive, thisStartInclusive,
                                    false, otherStartInclusive, otherEndInclusive) ||
           IncludesAdjustable(other.startTime_, other.endTime_, otherStartInclusive,
                              otherEndInclusive, true, thisStartInclusive, thisEndInclusive) ||
           IncludesAdjustable(other.endTime_, other.startTime_, otherEndInclusive,
                              otherStartInclusive, false, thisStartInclusive, thisEndInclusive);
}

bool TimeRange::StartsBeforeOtherEnds(const std::shared_ptr<TimeRange>& other) const {
    if (!other || !hasStart_ || !other->hasEnd_)
        return true;
    return startTime_ < other->endTime_;
}

bool TimeRange::Equals(const std::shared_ptr<TimeRange>& other) const {
    if (!other)
        return false;
    if (hasStart_ != other->hasStart_ || (hasStart_ && startTime_ != other->startTime_))
        return false;
    if (hasEnd_ != other->hasEnd_ || (hasEnd_ && endTime_ != other->endTime_))
        return false;
    return true;
}

std::string TimeRange::Serialize() const {
    const std::string start = hasStart_ ? Serialize::DateToText(startTime_) : std::string{};
    const std::string end = hasEnd_ ? Serialize::DateToText(endTime_) : std::string{};
    return Serialize::ListToText(
        {Serialize::BoolToText(hasStart_), start, Serialize::BoolToText(hasEnd_), end});
}

void TimeRange::Deserialize(std::string_view serialized) {
    const ElementArray items = Serialize::ListFromText(serialized, 0);
    if (items.Count() != 4)
        RaiseScheduleError("Unexpected number of fields in serialized time range: " +
                           std::to_string(items.Count()));
    const std::optional<DateTime> start = ReadBound(items[0], items[1]);
    const std::optional<DateTime> end = ReadBound(items[2], items[3]);

    // Through the setters, so an end before the start leaves only the end.
    if (start)
        SetStartTime(*start);
    else
        ClearStart();
    if (end)
        SetEndTime(*end);
    else
        ClearEnd();
}

void TimeRange::CopyFrom(const std::shared_ptr<TimeRange>& other) {
    Deserialize(other ? other->Serialize() : TimeRange{}.Serialize());
}

} // namespace bw
