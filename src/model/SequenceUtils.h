#pragma once

#include <cstdint>
#include <string>

// How networks and unit ids are shown to the user.
namespace bw::SequenceUtils {

// "Regular", "Aux A", "Aux B", "Aux C", otherwise "Net " and the number.
std::string NetworkName(int network);

// The unit id in one of five numbering styles; the empty text where a style has no text for the
// id, for an unknown style, or when not enabled. Style 1 (two hexadecimal digits) is the one the
// editor shows.
std::string UnitIdText(int style, bool enabled, std::uint8_t unitId);

} // namespace bw::SequenceUtils
