#pragma once

#include <string>
#include <string_view>

namespace bw {

// The plain integer form of playlists: no padding, "-" for negatives.
std::string PlainIntToText(int value);

// The lenient numeric scan: blanks anywhere are skipped, the longest leading number is taken
// (sign, digits, fraction, exponent), a text without one gives 0. The value is rounded to the
// nearest integer, halves to the even neighbour. Raises overflow outside 32 bits.
int PlainIntFromText(std::string_view text);

} // namespace bw
