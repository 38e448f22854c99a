#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 as the program's own texts hold it: reading one character at a time and telling valid
// text from bytes in some other encoding.
namespace bw::Utf8Text {

// The character that begins at `pos`, which then moves past it; none, with `pos` unchanged, when
// the bytes there are not valid UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> Next(std::string_view text, std::size_t& pos);

void Append(std::string& out, char32_t code);

bool IsValid(std::string_view text);

// Valid UTF-8 that holds at least one character beyond ASCII: text that no one would have
// written in an 8-bit code page.
bool IsMultiByteText(std::string_view text);

// The text in UTF-16, unit by unit to `put`, losing nothing: a byte that is not UTF-8 (a path on
// Linux may hold a folder named in a legacy encoding) becomes the lone surrogate U+DC00 plus the
// byte, which no valid text holds.
template <class Put> void ToUtf16(std::string_view text, Put&& put) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> code = Next(text, pos);
        if (!code) {
            put(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(text[pos++])));
        } else if (*code >= 0x10000) {
            put(static_cast<char16_t>(0xD800 + ((*code - 0x10000) >> 10)));
            put(static_cast<char16_t>(0xDC00 + ((*code - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<char16_t>(*code));
        }
    }
}

// UTF-16 back to the text that ToUtf16 took it from; a lone surrogate that stands for no byte
// becomes U+FFFD.
std::string FromUtf16(std::u16string_view text);

} // namespace bw::Utf8Text
