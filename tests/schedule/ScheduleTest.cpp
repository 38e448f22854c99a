#include "DataFile.h"
#include "DocumentedErrors.h"

#include "listtext/Serialize.h"
#include "schedule/MonitoredShowEvent.h"
#include "schedule/TimeRange.h"
#include "schedule/WeekTime.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <map>
#include <memory>
#include <string>

using namespace bw;
using bw::test::ErrorOf;

namespace {

// "10", "10:30" or "10:00:01" on 1 March 2004, or a whole date-time text.
DateTime At(const std::string& moment) {
    if (moment.find('-') != std::string::npos)
        return Serialize::DateFromText(moment);
    return Serialize::DateFromText("2004-03-01 " + moment + (moment.size() == 2 ? ":00" : ""));
}

// A range written as "[10,11)": a bracket for an inclusive bound, a parenthesis for an exclusive
// one, "*" for an open end.
struct Range {
    std::shared_ptr<TimeRange> range = std::make_shared<TimeRange>();
    bool startInclusive, endInclusive;
};

Range R(const std::string& text) {
    Range r{.startInclusive = text.front() == '[', .endInclusive = text.back() == ']'};
    const size_t comma = text.find(',');
    const std::string start = text.substr(1, comma - 1);
    const std::string end = text.substr(comma + 1, text.size() - comma - 2);
    // An open bound keeps a stale moment that would give wrong answers if it were looked at.
    r.range->SetStartTime(At("2999-01-01"));
    r.range->ClearStart();
    r.range->SetEndTime(At("1901-01-01"));
    r.range->ClearEnd();
    if (start != "*")
        r.range->SetStartTime(At(start));
    if (end != "*")
        r.range->SetEndTime(At(end));
    return r;
}

std::shared_ptr<MonitoredShowEvent> MakeEvent() {
    auto event = std::make_shared<MonitoredShowEvent>();
    event->SetFilename("C:\\Shows\\Yard, front (2004)*.kss");
    event->Range()->SetStartTime(MakeDateTime(2004, 3, 1, 18, 30));
    event->SetScheduleType(-12);
    event->SetShuttingDown(true);
    return event;
}

enum Day { Sun, Mon, Tue, Wed, Thu, Fri, Sat };

WeekTime WeekAt(int day, int hour, int minute = 0, int second = 0) {
    WeekTime time;
    time.SetTimeVal(day * 86400 + hour * 3600 + minute * 60 + second);
    return time;
}

// Time value, day, hour, minute, second.
std::string FieldsOf(const WeekTime& time) {
    std::string fields;
    for (int field : {time.TimeVal(), time.Day(), time.Hour(), time.Minute(), time.Second()})
        fields += (fields.empty() ? "" : " ") + std::to_string(field);
    return fields;
}

} // namespace

TEST(TimeRange, BoundsKeepStartBeforeEndAndCopiesHoldTheirOwn) {
    EXPECT_EQ(ErrorOf([] { (void)TimeRange().EndTime(); }).Description(), "Time range has no end");
    EXPECT_EQ(ErrorOf([] { (void)R("[*,11]").range->StartTime(); }).Number(), 37);
    // Setting a bound beyond the other removes the other; an equal one does not.
    TimeRange range;
    range.SetEndTime(At("09"));
    range.SetStartTime(At("09"));
    EXPECT_TRUE(range.HasEnd());
    range.SetEndTime(At("09"));
    EXPECT_TRUE(range.HasStart());
    range.SetStartTime(At("09:00:01"));
    EXPECT_TRUE(range.Equals(R("[09:00:01,*]").range)) << range.Serialize();

    const auto cleared = R("[08,12]").range; // a cleared bound's old moment is not compared
    cleared->ClearStart();
    EXPECT_TRUE(cleared->Equals(R("[*,12]").range));
    const auto source = R("[10,11]").range;
    TimeRange copy;
    copy.CopyFrom(source);
    source->SetStartTime(At("10:30")); // the copy holds its own moments
    EXPECT_TRUE(copy.Equals(R("[10,11]").range));
    copy.CopyFrom(nullptr); // an absent other counts as a new, empty range
    EXPECT_FALSE(copy.HasStart() || copy.HasEnd());
}

TEST(TimeRange, AnswersTheTableOfQuestions) {
    for (const auto& row : test::DataRows("schedule/ranges.txt")) {
        const Range r = R(row[1]);
        bool answer = false;
        if (row[0] == "includes") {
            answer = r.range->Includes(At(row[2]), r.startInclusive, r.endInclusive);
        } else {
            const Range other = R(row[2]);
            answer = row[0] == "overlaps"
                         ? r.range->Overlaps(*other.range, r.startInclusive, r.endInclusive,
                                             other.startInclusive, other.endInclusive)
                     : row[0] == "equals" ? r.range->Equals(other.range)
                                          : r.range->StartsBeforeOtherEnds(other.range);
        }
        EXPECT_EQ(answer ? "T" : "F", row[3]) << row[0] << " " << row[1] << " " << row[2];
    }
    EXPECT_TRUE(TimeRange().Overlaps(*R("(10,11)").range, false, false, false, false));
    EXPECT_TRUE(R("[12,23]").range->StartsBeforeOtherEnds(nullptr));
    EXPECT_FALSE(R("[*,*]").range->Equals(nullptr));
}

TEST(ScheduleText, ReadsTheTableOfTexts) {
    for (const auto& row : test::DataRows("schedule/texts.txt")) {
        const bool isRange = row[0] == "range";
        const auto range = R("[10,11]").range;
        const auto event = MakeEvent();
        const auto eventRange = event->Range();
        const std::string error = test::TextOrError([&] {
            isRange ? range->Deserialize(row[1]) : event->Deserialize(row[1]);
            return std::string();
        });
        EXPECT_EQ((error.empty() ? "" : error + " ") +
                      (isRange ? range->Serialize() : event->Serialize()),
                  row[2])
            << row[1];
        // An event that fails to read keeps its own range; one that reads takes a new one.
        EXPECT_TRUE(isRange || (event->Range() == eventRange) == !error.empty()) << row[1];
    }
    EXPECT_EQ(ErrorOf([] { TimeRange().Deserialize("(F,,F)"); }).Description(),
              "Unexpected number of fields in serialized time range: 3");
    EXPECT_EQ(ErrorOf([] { MakeEvent()->Deserialize("(a,(F,,F,), 0)"); }).Description(),
              "Unexpected number of fields in serialized monitored show event: 3");
}

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

TEST(WeekTime, TheTableOfFieldsAndTexts) {
    const std::map<std::string, void (WeekTime::*)(int)> setters = {
        {"time", &WeekTime::SetTimeVal},
        {"day", &WeekTime::SetDay},
        {"hour", &WeekTime::SetHour},
        {"minute", &WeekTime::SetMinute},
        {"second", &WeekTime::SetSecond}};
    for (const auto& row : test::DataRows("schedule/week-times.txt")) {
        WeekTime time = WeekAt(Mon, 10, 20, 30);
        (time.*setters.at(row[0]))(std::stoi(row[1]));
        EXPECT_EQ(FieldsOf(time) + "|" + time.ToString() + "|" + time.WeekTimeToString() + "|" +
                      time.DayTimeToString(),
                  row[2] + "|" + row[3] + "|" + row[4] + "|" + row[5])
            << row[0] << " " << row[1];
    }
    EXPECT_EQ(FieldsOf(WeekTime{}), "0 0 0 0 0");
    EXPECT_EQ(WeekAt(Sat, 23, 59, 59).DaySecond(), 86399);
}

TEST(WeekTime, ComparisonsAndIntervalsOverTheEndOfTheWeek) {
    EXPECT_TRUE(WeekAt(Sun, 1).Precedes(WeekAt(Sat, 23)) &&
                !WeekAt(Sun, 1).Precedes(WeekAt(Sun, 1)));
    EXPECT_TRUE(WeekAt(Sun, 1).PrecedesEq(WeekAt(Sun, 1)) &&
                !WeekAt(Sat, 23).PrecedesEq(WeekAt(Sun, 1)));
    EXPECT_TRUE(WeekAt(Sun, 1).Equals(WeekAt(Sun, 1)) &&
                !WeekAt(Sun, 1).Equals(WeekAt(Sun, 1, 0, 1)));
    EXPECT_TRUE(WeekAt(Sun, 1).MemberwiseEquals(std::make_shared<WeekTime>(WeekAt(Sun, 1))));
    EXPECT_FALSE(WeekAt(Sun, 1).MemberwiseEquals(nullptr));
    const auto at = [](const std::string& text) {
        return WeekAt(
            static_cast<int>(std::string("SunMonTueWedThuFriSat").find(text.substr(0, 3))) / 3,
            std::stoi(text.substr(4)));
    };
    for (const auto& row : test::DataRows("schedule/week-intervals.txt")) {
        const WeekTime lower = at(row[0]), upper = at(row[1]), time = at(row[2]);
        const auto mark = [](bool answer) { return answer ? "T" : "F"; };
        EXPECT_EQ(std::string(mark(time.Between(lower, upper))) + " " +
                      mark(time.BetweenEquals(lower, upper)) + " " +
                      mark(time.InRange(lower, upper)),
                  row[3])
            << row[0] << " to " << row[1] << " at " << row[2];
    }
}

TEST(WeekTime, ArithmeticWrapsAroundTheWeekAndRaisesOverflowBeyond32Bits) {
    const WeekTime early = WeekAt(Sun, 0, 0, 10), late = WeekAt(Sat, 23, 59, 50);
    EXPECT_EQ(early.Minus(late), 20);
    EXPECT_EQ(late.Minus(early), 604780);
    EXPECT_EQ(FieldsOf(early.MinusDuration(20)), FieldsOf(late));
    EXPECT_EQ(FieldsOf(late.PlusDuration(20)), FieldsOf(early));
    EXPECT_EQ(FieldsOf(WeekAt(Sat, 23).PlusTime(WeekAt(Sun, 2))), FieldsOf(WeekAt(Sun, 1)));
    EXPECT_EQ(FieldsOf(early), "10 0 0 0 10"); // the operands are left alone
    const std::function<void()> overflowing[] = {
        [] { WeekTime{}.SetTimeVal(INT_MAX - 604799); }, [] { WeekTime{}.SetDay(INT_MAX); },
        // The sum fits, but folding it into the week does not.
        [] { (void)WeekAt(Sun, 0, 0, 1).PlusDuration(INT_MAX - 604800); },
        [] { (void)WeekAt(Sun, 0, 0, 1).MinusDuration(INT_MIN); }};
    for (const auto& overflow : overflowing)
        EXPECT_EQ(ErrorOf(overflow).Number(), 6);
    // Right at the limit nothing overflows.
    EXPECT_EQ(WeekTime{}.PlusDuration(INT_MAX - 604800).TimeVal(), INT_MAX % 604800);
    EXPECT_EQ(WeekTime{}.PlusDuration(INT_MIN).TimeVal(), (INT_MIN + 604800) % 604800);
}
