#include "schedule/ScheduleError.h"

#include "listtext/Error.h"

#include <utility>

namespace bw {

void RaiseScheduleError(std::string description) {
    throw Error(ScheduleErrorNumber, {}, std::move(description));
}

} // namespace bw
