#pragma once

#include <string>
#include <string_view>

// Show files are read and written whole, as text in the ANSI code page.
namespace bw::File {

// Writes the text and one CR LF, replacing the file in one step. 0 on success, 1 on any failure,
// in which case the previous file is untouched. Never raises.
int WriteWholeFile(const std::string& path, std::string_view text);

// Reads the whole file into `text`. 0 on success; 1 on any failure, with `text` left as it was.
// Never raises.
int ReadWholeFile(const std::string& path, std::string& text);

} // namespace bw::File
