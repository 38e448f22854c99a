#pragma once

#include "model/Show.h"

namespace bw::bench {

// A show with about `entries` sequence names spread over the five playlists and the groups;
// `seed` picks which names end in .kas and which in .kms.
ShowPtr LargeShow(unsigned seed, int entries);

} // namespace bw::bench
