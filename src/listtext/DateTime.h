#pragma once

#include <chrono>

namespace bw {

// A calendar date and a time of day in whole seconds, without a time zone.
using DateTime = std::chrono::sys_seconds;

// Builds a date-time from its calendar fields; the fields must form a valid date and time.
DateTime MakeDateTime(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                      int second = 0);

} // namespace bw
