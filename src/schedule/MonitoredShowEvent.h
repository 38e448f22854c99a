#pragma once

#include "schedule/TimeRange.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace bw {

// One scheduled showing of a show: the show file, the period, a schedule type code and whether the
// show is shutting down. Copies and comparisons go through its text.
class MonitoredShowEvent {
public:
    MonitoredShowEvent() = default;

    const std::string& Filename() const { return filename_; }
    void SetFilename(std::string newValue) { filename_ = std::move(newValue); }

    // The event's own range object, never null; changes to it change the event.
    std::shared_ptr<TimeRange> Range() const { return range_; }
    // Stores the given object itself; null stores a fresh empty range.
    void SetRange(std::shared_ptr<TimeRange> newValue);

    // Carried for the scheduler; this program gives the code no meaning.
    int ScheduleType() const { return scheduleType_; }
    void SetScheduleType(int newValue) { scheduleType_ = newValue; }

    bool ShuttingDown() const { return shuttingDown_; }
    void SetShuttingDown(bool newValue) { shuttingDown_ = newValue; }

    // "(,(F,,F,), 0,F)": escaped file name, range text, padded schedule type, shutting-down flag.
    std::string Serialize() const;
    // Reads all four items before changing anything, so a failure leaves the event as it was.
    void Deserialize(std::string_view serialized);

    // Copies through the text, so the copy gets a range of its own. An absent other counts as a
    // default event.
    void CopyFrom(const std::shared_ptr<MonitoredShowEvent>& other);
    // True when both texts are the same; an absent other counts as a default event.
    bool MemberwiseEquals(const std::shared_ptr<MonitoredShowEvent>& other) const;

private:
    std::string filename_;
    std::shared_ptr<TimeRange> range_ = std::make_shared<TimeRange>();
    int scheduleType_ = 0;
    bool shuttingDown_ = false;
};

} // namespace bw
