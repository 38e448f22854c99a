#pragma once

#include <string>
#include <string_view>

// How the program's texts (UTF-8 inside) become the bytes of the files and settings it shares
// with the suite, and back.
//
// On Windows everything is in the ANSI code page, characters that it cannot hold written as "?".
// Elsewhere nothing is lost: a text is written in the ANSI code page (Windows-1252) when that
// holds it exactly, so that such a file still moves to Windows unchanged, and in UTF-8 otherwise.
// Bytes are read as UTF-8 when they are valid UTF-8 holding at least one character beyond ASCII,
// and in the ANSI code page otherwise, so every file written in the code page reads as it always
// did (a text whose code page bytes would pass for UTF-8 is therefore written in UTF-8).
namespace bw::TextEncoding {

enum class Encoding { AnsiCodePage, Utf8 };

struct EncodedText {
    std::string bytes;
    Encoding encoding = Encoding::AnsiCodePage;
    // False when some character became "?": one that the ANSI code page cannot hold on Windows,
    // or a byte of the text that was not UTF-8 to begin with.
    bool exact = true;
};

struct DecodedText {
    std::string utf8;
    Encoding encoding = Encoding::AnsiCodePage;
};

EncodedText Encode(std::string_view utf8);
DecodedText Decode(std::string_view bytes);

} // namespace bw::TextEncoding
