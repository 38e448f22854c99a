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

TEST(MonitoredShowEvent, RangeIsHeldByReference) {
    MonitoredShowEvent event;
    EXPECT_EQ(event.Serialize(), "(,(F,,F,), 0,F)");
    EXPECT_NE(event.Range(), MonitoredShowEvent{}.Range());
    const auto range = std::make_shared<TimeRange>();
    event.SetRange(range);
    range->SetEndTime(MakeDateTime(2004, 3, 2));
    EXPECT_EQ(event.Serialize(), "(,(F,,T,2004-03-02 00:00:00), 0,F)");
    // An absent range is replaced by a fresh empty one, not the old object.
    event.SetRange(nullptr);
    EXPECT_NE(event.Range(), range);
    EXPECT_EQ(event.Range()->Serialize(), "(F,,F,)");
}

TEST(MonitoredShowEvent, TextRoundTripsEveryFieldIntoANewRange) {
    EXPECT_EQ(MakeEvent()->Serialize(), EventText);
    MonitoredShowEvent read;
    const auto before = read.Range();
    read.Deserialize(EventText);
    EXPECT_TRUE(read.MemberwiseEquals(MakeEvent()));
    EXPECT_NE(read.Range(), before);
    EXPECT_FALSE(before->HasStart()); // whoever still holds the old range keeps it as it was
    // The padded schedule type is read with blanks around it.
    read.Deserialize("(a,(F,,F,), 7 ,t)");
    EXPECT_EQ(read.ScheduleType(), 7);
    EXPECT_TRUE(read.ShuttingDown());
}

TEST(MonitoredShowEvent, DeserializeFailureLeavesTheEventUnchanged) {
    const std::string fields = "Unexpected number of fields in serialized ";
    // clang-format off
    const std::tuple<const char*, int, std::string> cases[] = {
        {"(a,(F,,F,), 0)", 37, fields + "monitored show event: 3"},
        {"(a,(F,,F,), 0,F,)", 37, fields + "monitored show event: 5"},
        {"", 37, fields + "monitored show event: 0"},
        {"(a,(F,,F), 0,F)", 37, fields + "time range: 3"}, // the range's own errors pass through
        {"(a,(T,2004-02-30 00:00:00,F,), 0,F)", 13, ""}, {"(a,(F,,F,),,F)", 13, ""},
        {"(a,(F,,F,),twelve,F)", 13, ""}, {"(a,(F,,F,), 99999999999,F)", 6, ""},
        {"(a,(F,,F,), 0,F", 2, "Badly formatted list, missing closing paren"},
    };
    // clang-format on
    for (const auto& [text, number, description] : cases) {
        const auto event = MakeEvent();
        const auto range = event->Range();
        const auto raised = RaisedError([&] { event->Deserialize(text); });
        ASSERT_TRUE(raised) << text;
        EXPECT_EQ(raised->Number(), number) << text;
        if (!description.empty()) {
            EXPECT_EQ(raised->Description(), description);
        }
        EXPECT_EQ(event->Serialize(), EventText);
        EXPECT_EQ(event->Range(), range);
    }
}

TEST(MonitoredShowEvent, CopiesShareNothingAndEqualityNoticesEveryField) {
    const auto original = MakeEvent();
    MonitoredShowEvent copy;
    copy.CopyFrom(original);
    EXPECT_TRUE(copy.MemberwiseEquals(original));
    EXPECT_NE(copy.Range(), original->Range());
    copy.Range()->ClearStart();
    EXPECT_TRUE(original->Range()->HasStart());
    // An absent other counts as a default event.
    copy.CopyFrom(nullptr);
    EXPECT_EQ(copy.Serialize(), "(,(F,,F,), 0,F)");
    EXPECT_TRUE(copy.MemberwiseEquals(nullptr));
    EXPECT_FALSE(original->MemberwiseEquals(nullptr));

    const std::function<void(MonitoredShowEvent&)> changes[] = {
        [](MonitoredShowEvent& e) { e.SetFilename("C:\\Shows\\yard, front (2004)*.kss"); },
        [](MonitoredShowEvent& e) { e.Range()->SetEndTime(MakeDateTime(2004, 3, 1, 19)); },
        [](MonitoredShowEvent& e) { e.Range()->ClearStart(); },
        [](MonitoredShowEvent& e) { e.SetScheduleType(12); },
        [](MonitoredShowEvent& e) { e.SetShuttingDown(false); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        const auto changed = MakeEvent();
        changes[i](*changed);
        EXPECT_FALSE(changed->MemberwiseEquals(original)) << "change " << i;
        EXPECT_FALSE(original->MemberwiseEquals(changed)) << "change " << i;
    }
}
