#include "RaisedError.h"

#include "schedule/MonitoredShowEvent.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace bw;
using bw::test::RaisedError;

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

TEST(MonitoredShowEvent, NewEventHasDefaultsAndEqualsAnAbsentOne) {
    const auto event = std::make_shared<MonitoredShowEvent>();
    EXPECT_EQ(event->Filename(), "");
    ASSERT_NE(event->Range(), nullptr);
    EXPECT_FALSE(event->Range()->HasStart());
    EXPECT_FALSE(event->Range()->HasEnd());
    EXPECT_EQ(event->ScheduleType(), 0);
    EXPECT_FALSE(event->ShuttingDown());
    EXPECT_EQ(event->Serialize(), "(,(F,,F,), 0,F)");

    EXPECT_TRUE(event->MemberwiseEquals(std::make_shared<MonitoredShowEvent>()));
    EXPECT_TRUE(event->MemberwiseEquals(nullptr));
    EXPECT_FALSE(MakeEvent()->MemberwiseEquals(nullptr));

    // Each new event has a range of its own.
    EXPECT_NE(event->Range(), MonitoredShowEvent{}.Range());
}

TEST(MonitoredShowEvent, RangeIsHeldByReference) {
    MonitoredShowEvent event;
    const auto range = std::make_shared<TimeRange>();
    event.SetRange(range);
    EXPECT_EQ(event.Range(), range);

    // Changing the held object changes the event.
    range->SetEndTime(MakeDateTime(2004, 3, 2));
    EXPECT_EQ(event.Serialize(), "(,(F,,T,2004-03-02 00:00:00), 0,F)");

    // An absent range is replaced by a fresh empty one, not the old object.
    event.SetRange(nullptr);
    ASSERT_NE(event.Range(), nullptr);
    EXPECT_NE(event.Range(), range);
    EXPECT_EQ(event.Range()->Serialize(), "(F,,F,)");
    EXPECT_TRUE(range->HasEnd());
}

TEST(MonitoredShowEvent, TextRoundTripsEveryField) {
    const auto event = MakeEvent();
    EXPECT_EQ(event->Serialize(), EventText);

    MonitoredShowEvent read;
    read.Deserialize(EventText);
    EXPECT_EQ(read.Filename(), "C:\\Shows\\Yard, front (2004)*.kss");
    EXPECT_EQ(read.Range()->StartTime(), MakeDateTime(2004, 3, 1, 18, 30));
    EXPECT_FALSE(read.Range()->HasEnd());
    EXPECT_EQ(read.ScheduleType(), -12);
    EXPECT_TRUE(read.ShuttingDown());
    EXPECT_EQ(read.Serialize(), EventText);

    // The padded schedule type is read with blanks around it.
    read.Deserialize("(a,(F,,F,), 7 ,t)");
    EXPECT_EQ(read.ScheduleType(), 7);
    EXPECT_TRUE(read.ShuttingDown());
}

TEST(MonitoredShowEvent, DeserializeStoresANewRangeObject) {
    MonitoredShowEvent event;
    const auto before = event.Range();
    event.Deserialize(EventText);
    EXPECT_NE(event.Range(), before);
    EXPECT_FALSE(before->HasStart()); // whoever still holds the old range keeps it as it was
    EXPECT_TRUE(event.Range()->HasStart());
}

TEST(MonitoredShowEvent, DeserializeFailureLeavesTheEventUnchanged) {
    struct Case {
        const char* text;
        int number;
        const char* description; // null: any
    };
    const Case cases[] = {
        {"(a,(F,,F,), 0)", 37, "Unexpected number of fields in serialized monitored show event: 3"},
        {"(a,(F,,F,), 0,F,)", 37,
         "Unexpected number of fields in serialized monitored show event: 5"},
        {"", 37, "Unexpected number of fields in serialized monitored show event: 0"},
        // The nested range's own errors pass through.
        {"(a,(F,,F), 0,F)", 37, "Unexpected number of fields in serialized time range: 3"},
        {"(a,(T,2004-02-30 00:00:00,F,), 0,F)", 13, nullptr},
        {"(a,(F,,F,),,F)", 13, nullptr},
        {"(a,(F,,F,),twelve,F)", 13, nullptr},
        {"(a,(F,,F,), 99999999999,F)", 6, nullptr},
        {"(a,(F,,F,), 0,F", 2, "Badly formatted list, missing closing paren"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto event = MakeEvent();
        const auto range = event->Range();
        const auto raised = RaisedError([&] { event->Deserialize(c.text); });
        ASSERT_TRUE(raised);
        EXPECT_EQ(raised->Number(), c.number);
        if (c.description) {
            EXPECT_EQ(raised->Description(), c.description);
        }
        if (c.number == 37) {
            EXPECT_EQ(raised->Source(), "");
        }
        EXPECT_EQ(event->Serialize(), EventText);
        EXPECT_EQ(event->Range(), range);
    }
}

TEST(MonitoredShowEvent, CopyFromSharesNothingWithTheOriginal) {
    const auto original = MakeEvent();
    MonitoredShowEvent copy;
    copy.CopyFrom(original);
    EXPECT_EQ(copy.Serialize(), EventText);
    EXPECT_NE(copy.Range(), original->Range());

    original->Range()->SetEndTime(MakeDateTime(2004, 3, 2));
    original->SetFilename("other.kss");
    EXPECT_EQ(copy.Serialize(), EventText);

    copy.Range()->ClearStart();
    EXPECT_TRUE(original->Range()->HasStart());

    // An absent other counts as a default event.
    copy.CopyFrom(nullptr);
    EXPECT_EQ(copy.Serialize(), "(,(F,,F,), 0,F)");
}

TEST(MonitoredShowEvent, MemberwiseEqualsNoticesEveryField) {
    const std::function<void(MonitoredShowEvent&)> changes[] = {
        [](MonitoredShowEvent& e) { e.SetFilename("C:\\Shows\\yard, front (2004)*.kss"); },
        [](MonitoredShowEvent& e) { e.Range()->SetEndTime(MakeDateTime(2004, 3, 1, 19)); },
        [](MonitoredShowEvent& e) { e.Range()->ClearStart(); },
        [](MonitoredShowEvent& e) { e.SetScheduleType(12); },
        [](MonitoredShowEvent& e) { e.SetShuttingDown(false); },
    };
    const auto reference = MakeEvent();
    EXPECT_TRUE(MakeEvent()->MemberwiseEquals(reference));
    for (size_t i = 0; i < std::size(changes); ++i) {
        const auto changed = MakeEvent();
        changes[i](*changed);
        EXPECT_FALSE(changed->MemberwiseEquals(reference)) << "change " << i;
        EXPECT_FALSE(reference->MemberwiseEquals(changed)) << "change " << i;
    }
}
