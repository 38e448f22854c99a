#pragma once

#include <array>
#include <string_view>

namespace bw::test {

// Folder and file names in scripts that Windows-1252 cannot hold: Polish, Cyrillic, Greek,
// Chinese, and an emoji beyond the 16-bit range.
inline constexpr std::array<std::string_view, 5> NonLatinNames{"Świąteczne", "Свет", "Φώτα",
                                                               "灯光秀", "Show 🎄"};

} // namespace bw::test
