#include "DataFile.h"
#include "DocumentedErrors.h"

#include "listtext/Serialize.h"
#include "schedule/TimeRange.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(TimeRange, BoundsKeepStartBeforeEnd) {
    EXPECT_EQ(ErrorOf([] { (void)TimeRange().EndTime(); }).Description(), "Time range has no end");
    EXPECT_EQ(ErrorOf([] { (void)R("[*,11]").range->StartTime(); }).Number(), 37);
    // Setting a bound beyond the other removes the other.
    TimeRange range;
    range.SetStartTime(At("10"));
    range.SetEndTime(At("09"));
    EXPECT_TRUE(range.Equals(R("[*,09]").range)) << range.Serialize();
    range.SetStartTime(At("09"));
    range.SetEndTime(At("09"));
    range.SetStartTime(At("09:00:01"));
    EXPECT_TRUE(range.Equals(R("[09:00:01,*]").range)) << range.Serialize();
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

TEST(TimeRange, CopiesAndClearedBounds) {
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

TEST(TimeRange, ReadsTheTableOfTexts) {
    for (const auto& row : test::DataRows("schedule/range-texts.txt")) {
        const auto read = R("[10,11]").range;
        const std::string error = test::TextOrError([&] {
            read->Deserialize(row[0]);
            return std::string();
        });
        EXPECT_EQ((error.empty() ? "" : error + " ") + read->Serialize(), row[1]) << row[0];
    }
    EXPECT_EQ(ErrorOf([] { TimeRange().Deserialize("(F,,F)"); }).Description(),
              "Unexpected number of fields in serialized time range: 3");
}
