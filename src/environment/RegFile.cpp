#include "environment/RegFile.h"

#include "environment/AnsiCodePage.h"
#include "environment/Utf8Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace bw::RegFile {

namespace {

constexpr std::string_view Version5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view Version4Header = "REGEDIT4";

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char FoldCase(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldCase(x) == FoldCase(y);
           });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

// A number of 1 to `maxDigits` hexadecimal digits and nothing else.
std::optional<std::uint32_t> ParseHex(std::string_view digits, std::size_t maxDigits) {
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char ch : digits) {
        const int digit = HexDigit(ch);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

// --- UTF-8 and UTF-16 -------------------------------------------------------------------------

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return Utf8Text::FromUtf16(units);
}

std::string Utf8ToUtf16Le(std::string_view text) {
    std::string out;
    Utf8Text::ToUtf16(text, [&](char16_t unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    });
    return out;
}

// --- Lines --------------------------------------------------------------------------------------

struct PhysicalLine {
    std::string_view content;    // without its line end
    std::string_view terminator; // "\r\n", "\n" or empty for a last line without one
};

std::vector<PhysicalLine> SplitLines(std::string_view text) {
    std::vector<PhysicalLine> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back({text, {}});
            break;
        }
        const bool crlf = newline > 0 && text[newline - 1] == '\r';
        const std::size_t contentEnd = crlf ? newline - 1 : newline;
        lines.push_back(
            {text.substr(0, contentEnd), text.substr(contentEnd, newline + 1 - contentEnd)});
        text.remove_prefix(newline + 1);
    }
    return lines;
}

// A line as the format reads it: a value line of hex data that ends in "\" goes on in the next
// physical line.
struct LogicalLine {
    std::size_t first = 0; // physical lines first to last
    std::size_t last = 0;
    std::string text;
};

std::string_view DataOf(std::string_view line);

bool ContinuesOnNextLine(std::string_view logical) {
    const std::string_view trimmed = Trim(logical);
    return !trimmed.empty() && trimmed.back() == '\\' && StartsWithNoCase(DataOf(trimmed), "hex");
}

std::vector<LogicalLine> JoinLines(const std::vector<PhysicalLine>& physical) {
    std::vector<LogicalLine> logical;
    for (std::size_t i = 0; i < physical.size(); ++i) {
        LogicalLine line{i, i, std::string(physical[i].content)};
        // A blank line ends a continuation, so that a damaged last line cannot swallow a
        // section that is added after it.
        while (ContinuesOnNextLine(line.text) && line.last + 1 < physical.size() &&
               !Trim(physical[line.last + 1].content).empty()) {
            line.text = std::string(Trim(line.text));
            line.text.pop_back();
            line.text += Trim(physical[++line.last].content);
        }
        i = line.last;
        logical.push_back(std::move(line));
    }
    return logical;
}

// --- Line parsing -------------------------------------------------------------------------------

// A quoted text with "\" escaping the next character; `text` starts at the opening quote. On
// success `text` is left after the closing quote.
std::optional<std::string> ParseQuoted(std::string_view& text) {
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string result;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return result;
        }
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        result += text[i];
    }
    return std::nullopt;
}

struct NamedLine {
    std::string name;
    std::string_view data; // trimmed text after "="
};

// The name and data of a value line; none for any other line.
std::optional<NamedLine> SplitValueLine(std::string_view line) {
    line = Trim(line);
    NamedLine result;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else {
        std::optional<std::string> name = ParseQuoted(line);
        if (!name)
            return std::nullopt;
        result.name = std::move(*name);
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    result.data = Trim(line.substr(1));
    return result;
}

std::string_view DataOf(std::string_view line) {
    const std::optional<NamedLine> named = SplitValueLine(line);
    return named ? named->data : std::string_view{};
}

struct SectionLine {
    bool deletion = false;
    std::string_view rootName;
    std::string_view path;
};

std::optional<SectionLine> ParseSectionLine(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return std::nullopt;
    line = line.substr(1, line.size() - 2);
    SectionLine section;
    if (!line.empty() && line.front() == '-') {
        section.deletion = true;
        line.remove_prefix(1);
    }
    const std::size_t backslash = line.find('\\');
    section.rootName = line.substr(0, backslash);
    if (backslash != std::string_view::npos)
        section.path = line.substr(backslash + 1);
    return section;
}

enum class DataKind { Value, Deletion };

struct ParsedData {
    DataKind kind = DataKind::Value;
    std::uint32_t type = ValueType::None;
    std::string bytes;
};

std::optional<std::string> ParseHexBytes(std::string_view list) {
    std::string bytes;
    if (Trim(list).empty())
        return bytes;
    for (;;) {
        const std::size_t comma = list.find(',');
        const std::optional<std::uint32_t> byte = ParseHex(Trim(list.substr(0, comma)), 2);
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
        if (comma == std::string_view::npos)
            return bytes;
        list.remove_prefix(comma + 1);
    }
}

std::optional<ParsedData> ParseData(std::string_view data, bool version5) {
    ParsedData parsed;
    if (data == "-") {
        parsed.kind = DataKind::Deletion;
        return parsed;
    }
    if (!data.empty() && data.front() == '"') {
        std::optional<std::string> text = ParseQuoted(data);
        if (!text || !Trim(data).empty())
            return std::nullopt;
        parsed.type = ValueType::String;
        parsed.bytes = std::move(*text);
        parsed.bytes += '\0';
        return parsed;
    }
    if (StartsWithNoCase(data, "dword:")) {
        const std::optional<std::uint32_t> value = ParseHex(Trim(data.substr(6)), 8);
        if (!value)
            return std::nullopt;
        parsed.type = ValueType::Dword;
        for (int shift = 0; shift < 32; shift += 8)
            parsed.bytes += static_cast<char>((*value >> shift) & 0xFF);
        return parsed;
    }
    if (!StartsWithNoCase(data, "hex"))
        return std::nullopt;
    data.remove_prefix(3);
    parsed.type = ValueType::Binary;
    if (!data.empty() && data.front() == '(') {
        const std::size_t close = data.find(')');
        if (close == std::string_view::npos)
            return std::nullopt;
        const std::optional<std::uint32_t> type = ParseHex(data.substr(1, close - 1), 8);
        if (!type)
            return std::nullopt;
        parsed.type = *type;
        data.remove_prefix(close + 1);
    }
    if (data.empty() || data.front() != ':')
        return std::nullopt;
    std::optional<std::string> bytes = ParseHexBytes(data.substr(1));
    if (!bytes)
        return std::nullopt;
    parsed.bytes = std::move(*bytes);
    const bool text = parsed.type == ValueType::String || parsed.type == ValueType::ExpandString ||
                      parsed.type == ValueType::MultiString;
    if (version5 && text && parsed.bytes.size() % 2 == 0)
        parsed.bytes = Utf16LeToUtf8(parsed.bytes);
    else if (!version5 && text)
        parsed.bytes = AnsiCodePage::ToUtf8(parsed.bytes);
    return parsed;
}

bool IsVersion4(const std::vector<LogicalLine>& lines) {
    return !lines.empty() && Trim(lines.front().text) == Version4Header;
}

// Text data as a value line takes it: quoted, or, for a text with a line break, which a quoted
// text cannot hold, as the bytes of a text value, terminating NUL included: UTF-16 in a "Version
// 5.00" file, the ANSI code page in a "REGEDIT4" one (which cannot hold every byte of a path that
// is not UTF-8).
std::string TextData(std::string_view text, bool version5) {
    if (text.find_first_of("\r\n") == std::string_view::npos)
        return StringData(text);
    std::string bytes = version5 ? Utf8ToUtf16Le(text) + std::string(2, '\0')
                                 : AnsiCodePage::FromUtf8(text) + std::string(1, '\0');
    std::string data = "hex(1):";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(bytes[i]));
        data += (i == 0 ? "" : ",") + std::string(byte);
    }
    return data;
}

std::string ValueLineText(const ValueLine& value, bool version5) {
    const std::string name = value.name.empty() ? "@" : StringData(value.name);
    return name + "=" + (value.text ? TextData(*value.text, version5) : value.data);
}

} // namespace

DecodedText Decode(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE)
        return {Utf16LeToUtf8(bytes.substr(2)), Encoding::Utf16LeWithBom};
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return {std::string(bytes.substr(3)), Encoding::Utf8WithBom};
    // "REGEDIT4" files are in the ANSI code page by definition. Any other file is UTF-8, as this
    // program writes it; a byte in it that is not UTF-8 is a byte of a path and stays as it is.
    if (bytes.substr(0, Version4Header.size()) == Version4Header)
        return {AnsiCodePage::ToUtf8(bytes), Encoding::Ansi};
    return {std::string(bytes), Encoding::Utf8};
}

std::string Encode(std::string_view utf8, Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8WithBom:
        return "\xEF\xBB\xBF" + std::string(utf8);
    case Encoding::Utf16LeWithBom:
        return "\xFF\xFE" + Utf8ToUtf16Le(utf8);
    case Encoding::Ansi: {
        // A text that the code page cannot hold goes over to UTF-8, marked so that the file is
        // read as such whatever its header says.
        std::string ansi = AnsiCodePage::FromUtf8(utf8);
        if (AnsiCodePage::ToUtf8(ansi) == utf8)
            return ansi;
        return Encode(utf8, Encoding::Utf8WithBom);
    }
    case Encoding::Utf8:
        break;
    }
    return std::string(utf8);
}

std::optional<std::uint32_t> RootFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 5> roots{{
        {"HKEY_CLASSES_ROOT", 0x80000000u},
        {"HKEY_CURRENT_USER", 0x80000001u},
        {"HKEY_LOCAL_MACHINE", 0x80000002u},
        {"HKEY_USERS", 0x80000003u},
        {"HKEY_CURRENT_CONFIG", 0x80000005u},
    }};
    for (const auto& [rootName, root] : roots)
        if (EqualsNoCase(rootName, name))
            return root;
    return std::nullopt;
}

std::optional<std::vector<Value>> FindKey(std::string_view text, std::uint32_t root,
                                          std::string_view keyPath) {
    const std::vector<LogicalLine> lines = JoinLines(SplitLines(text));
    const bool version5 = !IsVersion4(lines);
    bool found = false;
    bool inKey = false;
    std::vector<Value> values;
    for (const LogicalLine& line : lines) {
        if (const std::optional<SectionLine> section = ParseSectionLine(line.text)) {
            inKey = false;
            if (section->deletion || RootFromName(section->rootName) != root)
                continue;
            if (EqualsNoCase(section->path, keyPath)) {
                inKey = found = true;
            } else if (keyPath.empty() || (StartsWithNoCase(section->path, keyPath) &&
                                           section->path.size() > keyPath.size() &&
                                           section->path[keyPath.size()] == '\\')) {
                // A key exists as soon as a key below it does.
                found = true;
            }
            continue;
        }
        if (!inKey)
            continue;
        const std::optional<NamedLine> named = SplitValueLine(line.text);
        if (!named)
            continue;
        std::optional<ParsedData> data = ParseData(named->data, version5);
        if (!data)
            continue;
        const auto same = std::find_if(values.begin(), values.end(), [&](const Value& value) {
            return EqualsNoCase(value.name, named->name);
        });
        if (data->kind == DataKind::Deletion) {
            if (same != values.end())
                values.erase(same);
            continue;
        }
        Value value{named->name, data->type, std::move(data->bytes)};
        if (same != values.end())
            *same = std::move(value);
        else
            values.push_back(std::move(value));
    }
    if (!found)
        return std::nullopt;
    return values;
}

const Value* FindValue(const std::vector<Value>& values, std::string_view name) {
    const auto found = std::find_if(values.begin(), values.end(), [&](const Value& value) {
        return EqualsNoCase(value.name, name);
    });
    return found == values.end() ? nullptr : &*found;
}

std::string StringData(std::string_view utf8) {
    std::string data = "\"";
    for (char ch : utf8) {
        if (ch == '\\' || ch == '"')
            data += '\\';
        data += ch;
    }
    return data + "\"";
}

std::string DwordData(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(value));
    return text;
}

std::string SetValues(std::string_view text, std::string_view rootName, std::string_view keyPath,
                      const std::vector<ValueLine>& values) {
    const std::vector<PhysicalLine> physical = SplitLines(text);
    const std::vector<LogicalLine> lines = JoinLines(physical);
    std::string_view newline = "\r\n";
    for (const PhysicalLine& line : physical) {
        if (!line.terminator.empty()) {
            newline = line.terminator;
            break;
        }
    }
    const std::string sectionLine = "[" + std::string(rootName) + "\\" + std::string(keyPath) + "]";

    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        std::string created = std::string(Version5Header) + std::string(newline) +
                              std::string(newline) + sectionLine + std::string(newline);
        for (const ValueLine& value : values)
            created += ValueLineText(value, true) + std::string(newline);
        return created + std::string(newline);
    }

    const bool version5 = !IsVersion4(lines);
    // Where each of the values stands now, and the last written line of the key's first section.
    std::vector<std::vector<std::size_t>> occurrences(values.size());
    std::optional<std::size_t> lastLineOfFirstSection;
    bool inKey = false;
    int sectionsOfKey = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const std::optional<SectionLine> section = ParseSectionLine(lines[i].text)) {
            inKey = !section->deletion && EqualsNoCase(section->rootName, rootName) &&
                    EqualsNoCase(section->path, keyPath);
            if (inKey && ++sectionsOfKey == 1)
                lastLineOfFirstSection = i;
            continue;
        }
        if (!inKey)
            continue;
        if (sectionsOfKey == 1 && !Trim(lines[i].text).empty())
            lastLineOfFirstSection = i;
        const std::optional<NamedLine> named = SplitValueLine(lines[i].text);
        if (!named)
            continue;
        for (std::size_t v = 0; v < values.size(); ++v)
            if (EqualsNoCase(named->name, values[v].name))
                occurrences[v].push_back(i);
    }

    std::vector<std::optional<std::string>> replacement(lines.size());
    std::vector<bool> removed(lines.size(), false);
    std::vector<std::string> added;
    for (std::size_t v = 0; v < values.size(); ++v) {
        if (occurrences[v].empty()) {
            added.push_back(ValueLineText(values[v], version5));
            continue;
        }
        replacement[occurrences[v].front()] = ValueLineText(values[v], version5);
        for (std::size_t k = 1; k < occurrences[v].size(); ++k)
            removed[occurrences[v][k]] = true;
    }

    std::string out;
    const auto endLine = [&] {
        if (!out.empty() && out.back() != '\n')
            out += newline;
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (removed[i])
            continue;
        if (replacement[i]) {
            out += *replacement[i];
            out += physical[lines[i].last].terminator;
        } else {
            for (std::size_t p = lines[i].first; p <= lines[i].last; ++p) {
                out += physical[p].content;
                out += physical[p].terminator;
            }
        }
        if (lastLineOfFirstSection == i) {
            // A line that ends in a continuation at the end of the file would swallow the next.
            if (!added.empty() && ContinuesOnNextLine(lines[i].text)) {
                endLine();
                out += newline;
            }
            for (const std::string& line : added) {
                endLine();
                out += line + std::string(newline);
            }
        }
    }
    if (!lastLineOfFirstSection) {
        // A new section goes at the end, after one blank line, which also ends a continuation
        // that the file's last line may have left open.
        endLine();
        if (!lines.empty() && ContinuesOnNextLine(lines.back().text))
            out += newline;
        const std::vector<PhysicalLine> written = SplitLines(out);
        if (!Trim(written.back().content).empty())
            out += newline;
        out += sectionLine + std::string(newline);
        for (const std::string& line : added)
            out += line + std::string(newline);
    }
    return out;
}

} // namespace bw::RegFile
