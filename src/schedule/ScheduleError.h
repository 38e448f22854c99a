#pragma once

#include <string>

namespace bw {

// The schedule records report their own failures under one number and without a source.
inline constexpr int ScheduleErrorNumber = 37;

[[noreturn]] void RaiseScheduleError(std::string description);

} // namespace bw
