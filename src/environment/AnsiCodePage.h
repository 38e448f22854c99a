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

} // namespace bw::AnsiCodePage
