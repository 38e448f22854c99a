#pragma once

#include <string>
#include <string_view>

// The ANSI code page of the suite's 8-bit texts: the system's on Windows, Windows-1252 elsewhere,
// so that a file moves between the two unchanged. Inside the program every string is UTF-8;
// TextEncoding.h says when a file is written in this code page.
namespace bw::AnsiCodePage {

// A character that the code page cannot hold becomes "?"; so does a byte that is not UTF-8.
std::string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view ansi);

// Whether the ANSI code page is UTF-8 (Windows with the "UTF-8 for worldwide language support"
// option, code page 65001). Then the conversions keep every byte as it is.
bool IsUtf8();

#ifdef _WIN32
// The same conversions with a code page of the caller's choice (CP_ACP for the system's).
std::string FromUtf8(std::string_view utf8, unsigned codePage);
std::string ToUtf8(std::string_view ansi, unsigned codePage);
#endif

} // namespace bw::AnsiCodePage
