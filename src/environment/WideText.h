#pragma once

// UTF-16 texts of the Windows API, for the environment's own Windows code.
#ifdef _WIN32

#include <string>
#include <string_view>

namespace bw::WideText {

std::wstring FromUtf8(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

} // namespace bw::WideText

#endif
