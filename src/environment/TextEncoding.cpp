#include "environment/TextEncoding.h"

#include "environment/AnsiCodePage.h"
#include "environment/Utf8Text.h"

#include <cstdio>

namespace bw::TextEncoding {

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// UTF-16 with either byte order mark, or without one: a NUL among the first two bytes, which no
// show text in an 8-bit encoding holds (UTF-32 is caught by the same tests).
bool IsUtf16(std::string_view bytes) {
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        return true;
    return (!bytes.empty() && bytes[0] == '\0') || (bytes.size() > 1 && bytes[1] == '\0');
}

bool IsAscii(std::string_view text) {
    for (char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

// The control characters that stand for the five bytes Windows-1252 leaves undefined.
bool IsUndefinedInWindows1252(char32_t code) {
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

bool ReadAsUtf8(Encoding encoding) {
    return encoding == Encoding::Utf8 || AnsiCodePage::IsUtf8();
}

std::string Hex(const char* form, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, form, value);
    return text;
}

} // namespace

EncodedText Encode(std::string_view utf8) {
    if (IsAscii(utf8))
        return {std::string(utf8), Encoding::AnsiCodePage, true};
#ifdef _WIN32
    if (!AnsiCodePage::IsUtf8()) {
        EncodedText encoded{AnsiCodePage::FromUtf8(utf8), Encoding::AnsiCodePage, true};
        encoded.exact = AnsiCodePage::ToUtf8(encoded.bytes) == utf8;
        return encoded;
    }
#else
    if (Utf8Text::IsValid(utf8)) {
        std::string ansi = AnsiCodePage::FromUtf8(utf8);
        if (AnsiCodePage::ToUtf8(ansi) == utf8)
            return {std::move(ansi), Encoding::AnsiCodePage, true};
    }
#endif
    return {std::string(ByteOrderMark) + std::string(utf8), Encoding::Utf8, true};
}

DecodedText Decode(std::string_view bytes) {
    if (IsUtf16(bytes))
        return {{}, Encoding::AnsiCodePage, true};
    if (StartsWith(bytes, ByteOrderMark))
        return {std::string(bytes.substr(ByteOrderMark.size())), Encoding::Utf8, false};
    return {AnsiCodePage::ToUtf8(bytes), Encoding::AnsiCodePage, false};
}

bool IsDamaged(std::string_view text, Encoding encoding) {
    if (ReadAsUtf8(encoding))
        return !Utf8Text::IsValid(text);
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) { // the code page's ASCII half
            ++pos;
            continue;
        }
        const std::optional<char32_t> code = Utf8Text::Next(text, pos);
        if (!code || IsUndefinedInWindows1252(*code))
            return true;
    }
    return false;
}

std::string Visible(std::string_view text, Encoding encoding) {
    std::string visible;
    visible.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> code = Utf8Text::Next(text, pos);
        if (!code) {
            visible += Hex("\\x%02X", static_cast<unsigned char>(text[pos++]));
        } else if (*code < 0x20 || *code == 0x7F) {
            visible += Hex("\\x%02X", static_cast<unsigned>(*code));
        } else if (*code >= 0x80 && *code <= 0x9F) {
            // As the byte it was in a code page file; as the character it is in UTF-8.
            visible +=
                Hex(ReadAsUtf8(encoding) ? "\\u%04X" : "\\x%02X", static_cast<unsigned>(*code));
        } else {
            visible += text.substr(start, pos - start);
        }
    }
    return visible;
}

} // namespace bw::TextEncoding
