#pragma once

#include "listtext/ElementArray.h"

#include <cstdint>

namespace bw::LibArray {

// Upper bound - lower bound + 1: 0 for an array that was never filled.
inline std::int32_t ArrayCount(const ElementArray& array) {
    return array.UBound() - array.LBound() + 1;
}

} // namespace bw::LibArray
