#include "schedule/MonitoredShowEvent.h"

#include "listtext/Serialize.h"
#include "schedule/ScheduleError.h"

namespace bw {

namespace {

std::string TextOf(const std::shared_ptr<MonitoredShowEvent>& event) {
    return event ? event->Serialize() : MonitoredShowEvent{}.Serialize();
}

} // namespace

void MonitoredShowEvent::SetRange(std::shared_ptr<TimeRange> newValue) {
    range_ = newValue ? std::move(newValue) : std::make_shared<TimeRange>();
}

std::string MonitoredShowEvent::Serialize() const {
    return Serialize::ListToText({Serialize::EscapeText(filename_), range_->Serialize(),
                                  Serialize::IntToText(scheduleType_),
                                  Serialize::BoolToText(shuttingDown_)});
}

void MonitoredShowEvent::Deserialize(std::string_view serialized) {
    const ElementArray items = Serialize::ListFromText(serialized, 0);
    if (items.Count() != 4)
        RaiseScheduleError(std::string("Unexpected number of fields in serialized ") +
                           "monitored show event: " + std::to_string(items.Count()));
    std::string filename = Serialize::UnescapeText(items[0]);
    auto range = std::make_shared<TimeRange>();
    range->Deserialize(items[1]);
    const int scheduleType = Serialize::IntFromText(items[2]);
    const bool shuttingDown = Serialize::BoolFromText(items[3]);

    SetFilename(std::move(filename));
    SetRange(std::move(range));
    SetScheduleType(scheduleType);
    SetShuttingDown(shuttingDown);
}

void MonitoredShowEvent::CopyFrom(const std::shared_ptr<MonitoredShowEvent>& other) {
    Deserialize(TextOf(other));
}

bool MonitoredShowEvent::MemberwiseEquals(const std::shared_ptr<MonitoredShowEvent>& other) const {
    return Serialize() == TextOf(other);
}

} // namespace bw
