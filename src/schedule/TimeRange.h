#pragma once

#include "listtext/DateTime.h"

#include <memory>
#include <string>
#include <string_view>

namespace bw {

// A span of date-time that may be open at either end. Callers decide per question whether a bound
// counts as inside, so the range itself stores only the moments.
class TimeRange {
public:
    TimeRange() = default;

    bool HasStart() const { return hasStart_; }
    bool HasEnd() const { return hasEnd_; }

    // Raise error 37 when the bound is absent; check HasStart or HasEnd first.
    DateTime StartTime() const;
    DateTime EndTime() const;

    // Setting one bound beyond the other removes the other, so that end >= start always holds.
    void SetStartTime(DateTime newValue);
    void SetEndTime(DateTime newValue);

    // The stored moment is kept but no longer counts.
    void ClearStart() { hasStart_ = false; }
    void ClearEnd() { hasEnd_ = false; }

    bool Includes(DateTime time, bool startInclusive, bool endInclusive) const;

    // Tests one bound `toCheck` of a second range, whose other bound is `otherBound`. An exclusive
    // bound is first moved one second inwards (forwards when `adjustmentPositive`), to the first or
    // last whole second that the second range holds.
    bool IncludesAdjustable(DateTime toCheck, DateTime otherBound, bool toCheckInclusive,
                            bool otherBoundInclusive, bool adjustmentPositive, bool startInclusive,
                            bool endInclusive) const;

    bool Overlaps(const TimeRange& other, bool thisStartInclusive, bool thisEndInclusive,
                  bool otherStartInclusive, bool otherEndInclusive) const;

    // True unless both this start and the other's end exist and the start is not before that end.
    bool StartsBeforeOtherEnds(const std::shared_ptr<TimeRange>& other) const;

    // Compares only the bounds that are present; false for an absent other.
    bool Equals(const std::shared_ptr<TimeRange>& other) const;

    // "(T,2004-03-01 18:30:00,F,)": start flag, start, end flag, end.
    std::string Serialize() const;
    // Reads all four items before changing anything, so a failure leaves the range as it was.
    void Deserialize(std::string_view serialized);

    // Copies through the text; an absent other gives an empty range.
    void CopyFrom(const std::shared_ptr<TimeRange>& other);

private:
    DateTime endTime_{};
    bool hasEnd_ = false;
    bool hasStart_ = false;
    DateTime startTime_{};
};

} // namespace bw
