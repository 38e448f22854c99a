#pragma once

#include "environment/TextEncoding.h"
#include "environment/WholeFile.h"

#include <string>
#include <string_view>

// Show files are read and written whole, as text in the ANSI code page, or in UTF-8 with a byte
// order mark when the code page cannot hold the text (see TextEncoding.h for the rule).
namespace bw::File {

// Writes the text and one CR LF, replacing the file in one step where the folder allows it. 0 on
// success, 1 on any failure. Never raises.
int WriteWholeFile(const std::string& path, std::string_view text);

// Reads the whole file into `text`. 0 on success; 1 on any failure (a UTF-16 file included), with
// `text` left as it was. Never raises.
int ReadWholeFile(const std::string& path, std::string& text);
// The same, telling also in which encoding the file's text was found and, on failure, why the file
// could not be read. FIFOs, devices and files larger than any show are refused without waiting.
int ReadWholeFile(const std::string& path, std::string& text, TextEncoding::Encoding& encoding,
                  WholeFile::ReadResult* failure = nullptr);

} // namespace bw::File
