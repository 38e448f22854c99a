#include "DocumentedErrors.h"

#include "schedule/MonitoredShowEvent.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace bw;
using bw::test::ErrorOf;

namespace {

std::shared_ptr<MonitoredShowEvent> MakeEvent() {
    auto event = std::make_shared<MonitoredShowEvent>();
    event->SetFilename("C:\\Shows\\Yard, front (2004)*.kss");
    event->Range()->SetStartTime(MakeDateTime(2004, 3, 1, 18, 30));
    event->SetScheduleType(-12);
    event->SetShuttingDown(true);
    return event;
}

constexpr const char* EventText =
    "(C:\\Shows\\Yard*S front *O2004*C*E.kss,(T,2004-03-01 18:30:00,F,),-12,T)";

} // namespace

TEST(MonitoredShowEvent, TextRoundTripsEveryFieldIntoARangeOfItsOwn) {
    EXPECT_EQ(MonitoredShowEvent().Serialize(), "(,(F,,F,), 0,F)");
    EXPECT_EQ(MakeEvent()->Serialize(), EventText);
    MonitoredShowEvent read;
    const auto before = read.Range();
    read.Deserialize(EventText);
    EXPECT_TRUE(read.MemberwiseEquals(MakeEvent()));
    EXPECT_FALSE(before->HasStart()); // whoever holds the old range keeps it as it was
    read.Deserialize("(a,(F,,F,), 7 ,t)");
    EXPECT_EQ(read.ScheduleType(), 7);
    EXPECT_TRUE(read.ShuttingDown());
    // The range is held by reference; no range stores a fresh one.
    const auto range = std::make_shared<TimeRange>();
    read.SetRange(range);
    range->SetEndTime(MakeDateTime(2004, 3, 2));
    EXPECT_EQ(read.Serialize(), "(a,(F,,T,2004-03-02 00:00:00), 7,T)");
    read.SetRange(nullptr);
    EXPECT_EQ(read.Range()->Serialize(), "(F,,F,)");
}

TEST(MonitoredShowEvent, DeserializeFailureLeavesTheEventUnchanged) {
    const std::pair<const char*, int> cases[] = {
        {"(a,(F,,F,), 0)", 37}, {"(a,(F,,F), 0,F)", 37}, {"(a,(F,,F,),twelve,F)", 13}};
    for (const auto& [text, number] : cases) {
        const auto event = MakeEvent();
        const auto range = event->Range();
        EXPECT_EQ(ErrorOf([&] { event->Deserialize(text); }).Number(), number) << text;
        EXPECT_TRUE(event->MemberwiseEquals(MakeEvent()) && event->Range() == range) << text;
    }
    EXPECT_EQ(ErrorOf([] { MakeEvent()->Deserialize("(a,(F,,F,), 0)"); }).Description(),
              "Unexpected number of fields in serialized monitored show event: 3");
}

TEST(MonitoredShowEvent, CopiesShareNothingAndEqualityNoticesEveryField) {
    const auto original = MakeEvent();
    MonitoredShowEvent copy;
    copy.CopyFrom(original);
    EXPECT_TRUE(copy.MemberwiseEquals(original));
    copy.Range()->ClearStart();
    EXPECT_TRUE(original->Range()->HasStart());
    copy.CopyFrom(nullptr); // an absent other counts as a default event
    EXPECT_TRUE(copy.MemberwiseEquals(nullptr) && !original->MemberwiseEquals(nullptr));
    const std::function<void(MonitoredShowEvent&)> changes[] = {
        [](MonitoredShowEvent& e) { e.SetFilename("C:\\Shows\\yard, front (2004)*.kss"); },
        [](MonitoredShowEvent& e) { e.Range()->ClearStart(); },
        [](MonitoredShowEvent& e) { e.SetScheduleType(12); },
        [](MonitoredShowEvent& e) { e.SetShuttingDown(false); }};
    for (const auto& change : changes) {
        const auto changed = MakeEvent();
        change(*changed);
        EXPECT_FALSE(changed->MemberwiseEquals(original) || original->MemberwiseEquals(changed));
    }
}
