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

} // namespace bw::Utf8Text
