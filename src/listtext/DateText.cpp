#include "listtext/DateTime.h"
#include "listtext/Error.h"
#include "listtext/Serialize.h"

#include <cstdio>

namespace bw {

DateTime MakeDateTime(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour} + minutes{minute} +
           seconds{second};
}

namespace Serialize {

std::string DateToText(DateTime value) {
    using namespace std::chrono;
    const auto day = floor<days>(value);
    const year_month_day date{day};
    const hh_mm_ss time{value - day};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

namespace {

// Reads 1 to `maxDigits` decimal digits at `pos`; -1 when there are none.
int ReadField(std::string_view text, size_t& pos, size_t maxDigits) {
    int value = 0;
    size_t digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

bool Expect(std::string_view text, size_t& pos, char wanted) {
    if (pos >= text.size() || text[pos] != wanted)
        return false;
    ++pos;
    return true;
}

} // namespace

DateTime DateFromText(std::string_view escaped) {
    using namespace std::chrono;
    const std::string unescaped = UnescapeText(escaped);
    std::string_view text = unescaped;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    size_t pos = 0;
    const int yearValue = ReadField(text, pos, 4);
    if (pos != 4 || !Expect(text, pos, '-'))
        RaiseTypeMismatch();
    const int monthValue = ReadField(text, pos, 2);
    if (monthValue < 0 || !Expect(text, pos, '-'))
        RaiseTypeMismatch();
    const int dayValue = ReadField(text, pos, 2);
    if (dayValue < 0)
        RaiseTypeMismatch();
    const year_month_day date{year{yearValue}, month{static_cast<unsigned>(monthValue)},
                              day{static_cast<unsigned>(dayValue)}};
    if (!date.ok() || yearValue < 100)
        RaiseTypeMismatch();

    int hourValue = 0, minuteValue = 0, secondValue = 0;
    if (pos < text.size()) {
        if (!Expect(text, pos, ' '))
            RaiseTypeMismatch();
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        hourValue = ReadField(text, pos, 2);
        if (hourValue < 0 || !Expect(text, pos, ':'))
            RaiseTypeMismatch();
        minuteValue = ReadField(text, pos, 2);
        if (minuteValue < 0)
            RaiseTypeMismatch();
        if (Expect(text, pos, ':')) {
            secondValue = ReadField(text, pos, 2);
            if (secondValue < 0)
                RaiseTypeMismatch();
        }
        if (pos != text.size() || hourValue > 23 || minuteValue > 59 || secondValue > 59)
            RaiseTypeMismatch();
    }
    return sys_days{date} + hours{hourValue} + minutes{minuteValue} + seconds{secondValue};
}

} // namespace Serialize

} // namespace bw
