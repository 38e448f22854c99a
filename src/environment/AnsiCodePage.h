#pragma once

#include <string>
#include <string_view>

// Text files of the suite are 8-bit text in the ANSI code page: the system's on Windows,
// Windows-1252 on Linux, so that a file moves between the two unchanged. Inside the program every
// string is UTF-8.
namespace bw::AnsiCodePage {

// A character that the code page cannot hold becomes "?"; so does a byte that is not UTF-8.
std::string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view ansi);

} // namespace bw::AnsiCodePage
