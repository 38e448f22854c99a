#include "environment/WideText.h"

#ifdef _WIN32

#include "environment/Utf8Text.h"

namespace bw::WideText {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring FromUtf8(std::string_view utf8) {
    std::wstring wide;
    wide.reserve(utf8.size());
    Utf8Text::ToUtf16(utf8, [&](char16_t unit) { wide += static_cast<wchar_t>(unit); });
    return wide;
}

std::string ToUtf8(std::wstring_view wide) {
    return Utf8Text::FromUtf16(
        std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

} // namespace bw::WideText

#endif
