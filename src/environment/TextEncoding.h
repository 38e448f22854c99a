#pragma once

#include <string>
#include <string_view>

// How the program's texts become the bytes of the show files it shares with the suite, and back.
//
// Inside the program every text is UTF-8. On Linux a path is whatever bytes the system gives, so
// a text may also hold bytes that are not UTF-8: such a byte stands for itself (the byte of a file
// name in a legacy encoding) and is carried through unchanged, byte for byte.
//
// The rule, the same on every system, with nothing guessed from the content:
// - a file that begins with the UTF-8 byte order mark (EF BB BF) is UTF-8;
// - a file that begins with a UTF-16 byte order mark, or whose first two bytes hold a NUL (UTF-16
//   without a mark), is not a text of this program and is refused;
// - any other file is in the ANSI code page: Windows-1252 outside Windows, the system's on
//   Windows.
// Writing: a text whose every character the ANSI code page holds is written in it, without a
// mark, so that it reads the same in every version of the suite. Outside Windows any other text is
// written in UTF-8 with the byte order mark, bytes that are not UTF-8 kept as they are. On Windows
// it is written in the ANSI code page with "?" for what the code page cannot hold, except where
// that code page is UTF-8 (65001), which takes the mark too.
//
// Bytes that are not valid in the file's encoding (bytes that are not UTF-8 in a UTF-8 file; the
// five bytes that Windows-1252 leaves undefined, read as the control characters of the same
// number as Windows reads them) are kept, never turned into other letters, and IsDamaged tells
// the names that hold them.
namespace bw::TextEncoding {

enum class Encoding { AnsiCodePage, Utf8 };

struct EncodedText {
    std::string bytes;
    Encoding encoding = Encoding::AnsiCodePage;
    // False when some character became "?" because the ANSI code page cannot hold it (Windows
    // only).
    bool exact = true;
};

struct DecodedText {
    std::string utf8;
    Encoding encoding = Encoding::AnsiCodePage;
    // A UTF-16 file: `utf8` is empty and the file must not be taken for a show.
    bool refused = false;
};

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

EncodedText Encode(std::string_view utf8);
DecodedText Decode(std::string_view bytes);

// Whether a text read from a file in `encoding` holds a byte that was not valid there.
bool IsDamaged(std::string_view text, Encoding encoding);

// The text for a person to read, with every such byte written as "\xHH" (the byte as it stood in
// the file) and every other control character as "\xHH" too.
std::string Visible(std::string_view text, Encoding encoding);

} // namespace bw::TextEncoding
