#include "listtext/ByteSearch.h"
#include "listtext/Error.h"
#include "listtext/ListWriter.h"
#include "listtext/Serialize.h"

#include <array>
#include <cstring>

namespace bw::Serialize {

namespace {

template <typename Range> std::string JoinList(const Range& elements) {
    size_t length = 2;
    for (const auto& element : elements)
        length += std::string_view(element).size() + 1;
    std::string text;
    text.reserve(length);
    text += '(';
    bool first = true;
    for (const auto& element : elements) {
        if (!first)
            text += ',';
        text += element;
        first = false;
    }
    text += ')';
    return text;
}

} // namespace

std::string ListToText(std::initializer_list<std::string_view> elements) {
    return JoinList(elements);
}

std::string ListToText(const std::vector<std::string>& elements) {
    return JoinList(elements);
}

// The escape code of each character, 0 for the characters that are written as they are.
constexpr std::array<char, 256> EscapeCodes = [] {
    std::array<char, 256> codes{};
    codes['*'] = 'E';
    codes['('] = 'O';
    codes[')'] = 'C';
    codes[','] = 'S';
    return codes;
}();

// Appends the runs between special characters whole rather than character by character.
void AppendEscaped(std::string& out, std::string_view text) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char code = EscapeCodes[static_cast<unsigned char>(text[i])];
        if (code == 0)
            continue;
        out.append(text.data() + start, i - start);
        out += '*';
        out += code;
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    AppendEscaped(escaped, text);
    return escaped;
}

// One pass gives the same result as the four whole-string replacements ("*S", "*C", "*O", then
// "*E"): the second character of an escape is never "*", so no two escapes can overlap, and only
// the last replacement produces a "*", after which nothing is replaced any more.
//
// The result is allocated once, at the length of the escaped text, which no escape can exceed,
// and written through a pointer: show files hold hundreds of thousands of names, and appending
// piece by piece cost more than finding the escapes.
std::string UnescapeText(std::string_view text) {
    const size_t firstStar = ByteSearch::FindFirstOf<'*'>(text, 0);
    if (firstStar == std::string_view::npos)
        return std::string(text);
    const char* star = text.data() + firstStar;
    std::string plain(text.size(), '\0');
    char* out = plain.data();
    const char* rest = text.data();
    const char* const end = text.data() + text.size();
    while (star != nullptr) {
        std::memcpy(out, rest, static_cast<size_t>(star - rest));
        out += star - rest;
        const char code = star + 1 < end ? star[1] : '\0';
        const char decoded = code == 'E'   ? '*'
                             : code == 'O' ? '('
                             : code == 'C' ? ')'
                             : code == 'S' ? ','
                                           : '\0';
        // A "*" that begins no escape stays as it is.
        *out++ = decoded == '\0' ? '*' : decoded;
        rest = star + (decoded == '\0' ? 1 : 2);
        const size_t next =
            ByteSearch::FindFirstOf<'*'>(text, static_cast<size_t>(rest - text.data()));
        star = next == std::string_view::npos ? nullptr : text.data() + next;
    }
    std::memcpy(out, rest, static_cast<size_t>(end - rest));
    out += end - rest;
    plain.resize(static_cast<size_t>(out - plain.data()));
    return plain;
}

std::string BoolToText(bool value) {
    return value ? "T" : "F";
}

bool BoolFromText(std::string_view text) {
    // Only "T" and "t" unescape to a text that upper-cases to "T"; no escape is one character.
    return text == "T" || text == "t";
}

} // namespace bw::Serialize
