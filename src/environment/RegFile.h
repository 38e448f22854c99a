#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text format in which the Windows registry editor exports keys ("Windows Registry Editor
// Version 5.00" or "REGEDIT4", sections "[HKEY_CURRENT_USER\Software\...]", value lines such as
// "Name"="text", "Name"=dword:00000005, "Name"=hex:01,02 and "Name"=hex(2):..). Where the system
// registry is missing, a file in this format holds the user's settings, so that a key exported
// on Windows can be dropped in as it is.
//
// Values are kept as the bytes that a registry query returns, with the program's own texts in
// place of the ANSI code page so that nothing is lost: a text is its bytes plus the terminating
// NUL, a dword its four little-endian bytes, hex data the bytes given (texts written as hex in a
// "Version 5.00" file are UTF-16 there and become UTF-8 here). The program's texts are UTF-8,
// except that a path on Linux may hold bytes that are not: such a byte is written as it stands
// (in a UTF-16 file as the lone surrogate U+DC00 plus the byte) and read back as the same byte,
// so that a folder's name survives byte for byte.
namespace bw::RegFile {

namespace ValueType {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t String = 1;
inline constexpr std::uint32_t ExpandString = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiString = 7;
inline constexpr std::uint32_t Qword = 11;
} // namespace ValueType

struct Value {
    std::string name; // UTF-8; empty for the key's default value ("@")
    std::uint32_t type = ValueType::None;
    std::string data; // bytes
};

// How a file's bytes encode its text, by a rule that looks at nothing but its start: a byte order
// mark for UTF-16 (as the registry editor writes "Version 5.00" files) or UTF-8; "REGEDIT4" for
// the ANSI code page; anything else is UTF-8 without a mark (as this program and a person on
// Linux write it), whatever bytes it holds.
enum class Encoding { Utf8, Utf8WithBom, Utf16LeWithBom, Ansi };

struct DecodedText {
    std::string utf8;
    Encoding encoding = Encoding::Utf8;
};

DecodedText Decode(std::string_view bytes);
// A file in the ANSI code page whose text no longer fits it is written in UTF-8 with a byte
// order mark.
std::string Encode(std::string_view utf8, Encoding encoding);

// Root key handle value for a root name such as "HKEY_CURRENT_USER"; none for other names.
std::optional<std::uint32_t> RootFromName(std::string_view name);

// The values of one key of a file's text (UTF-8, as Decode returns it), later lines overriding
// earlier ones; none when the file has neither the key nor any key below it. Key and value names
// compare without regard to letter case, as in the registry. A malformed line is skipped.
std::optional<std::vector<Value>> FindKey(std::string_view text, std::uint32_t root,
                                          std::string_view keyPath);

// The value of that name, compared without regard to letter case; null when there is none.
const Value* FindValue(const std::vector<Value>& values, std::string_view name);

// Data texts for value lines.
std::string StringData(std::string_view utf8);
std::string DwordData(std::uint32_t value);

struct ValueLine {
    std::string name;
    std::string data; // as written after "=", e.g. StringData(..) or DwordData(..)
    // A text value instead of `data`: written quoted, or, when it holds a line break (a folder's
    // name may), as hex text data in the form that the file's version reads.
    std::optional<std::string> text = std::nullopt;
};

// Sets values of one key in a file's text and keeps every other line as it stands: an existing
// line of a value is replaced where it is (repeated lines of it removed), a new value is added at
// the end of the key's first section, and a missing key is added at the end. Empty text becomes a
// new "Version 5.00" file.
std::string SetValues(std::string_view text, std::string_view rootName, std::string_view keyPath,
                      const std::vector<ValueLine>& values);

} // namespace bw::RegFile
