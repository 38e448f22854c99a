#pragma once

namespace bw {

// Placeholder until the schedule records exist: the show only creates and holds one.
class MonitoredShowEvent {};

} // namespace bw
