#include "DataFile.h"
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

} // namespace

TEST(MonitoredShowEvent, TextRoundTripsEveryFieldIntoARangeOfItsOwn) {
    EXPECT_EQ(MonitoredShowEvent().Serialize(), "(,(F,,F,), 0,F)");
    MonitoredShowEvent read;
    const auto before = read.Range();
    read.Deserialize(MakeEvent()->Serialize());
    EXPECT_TRUE(read.MemberwiseEquals(MakeEvent()));
    EXPECT_FALSE(before->HasStart()); // whoever holds the old range keeps it as it was
    // The range is held by reference; no range stores a fresh one.
    const auto range = std::make_shared<TimeRange>();
    read.SetRange(range);
    range->SetEndTime(MakeDateTime(2004, 3, 2));
    EXPECT_EQ(read.Serialize(), "(C:\\Shows\\Yard*S front *O2004*C*E.kss,(F,,T,2004-03-02 "
                                "00:00:00),-12,T)");
    read.SetRange(nullptr);
    EXPECT_EQ(read.Range()->Serialize(), "(F,,F,)");
}

TEST(MonitoredShowEvent, ReadsTheTableOfTexts) {
    for (const auto& row : test::DataRows("schedule/event-texts.txt")) {
        const auto event = MakeEvent();
        const auto range = event->Range();
        const std::string error = test::TextOrError([&] {
            event->Deserialize(row[0]);
            return std::string();
        });
        EXPECT_EQ((error.empty() ? "" : error + " ") + event->Serialize(), row[1]) << row[0];
        EXPECT_TRUE(error.empty() || event->Range() == range) << row[0];
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
