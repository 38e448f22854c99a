#include "listtext/ByteSearch.h"
#include "listtext/Serialize.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>

namespace bw::Serialize {

namespace {

// The character an escape stands for, '\0' for a "*" that begins no escape.
char Unescaped(char code) {
    switch (code) {
    case 'E':
        return '*';
    case 'O':
        return '(';
    case 'C':
        return ')';
    case 'S':
        return ',';
    default:
        return '\0';
    }
}

using ByteSearch::Matches;
using ByteSearch::SixteenAtOnce;

// Splits a body without parentheses at its commas and unescapes each element, sixteen bytes at a
// time up to the next comma or "*", since names run for dozens of bytes between them.
class FlatListReader {
public:
    explicit FlatListReader(std::string_view body)
        : in_(body.data()), end_(body.data() + body.size()) {}

    std::vector<std::string> Read(size_t commas) {
        std::vector<std::string> elements;
        elements.reserve(commas + 1);
        for (;;) {
            length_ = 0;
            while (in_ != end_ && *in_ != ',') {
                CopyPlainRun();
                if (in_ != end_ && *in_ == '*')
                    CopyEscape();
            }
            elements.emplace_back(buffer_.data(), length_);
            if (in_ == end_)
                return elements;
            ++in_; // the comma
        }
    }

private:
    // Copies the bytes up to the next comma or "*", or to the end.
    void CopyPlainRun() {
        if constexpr (SixteenAtOnce) {
            while (end_ - in_ >= 16) {
                Reserve(16);
                std::memcpy(buffer_.data() + length_, in_, 16);
                const unsigned stops = Matches<',', '*'>(in_);
                if (stops != 0) {
                    const auto plain = static_cast<size_t>(std::countr_zero(stops));
                    in_ += plain;
                    length_ += plain;
                    return;
                }
                in_ += 16;
                length_ += 16;
            }
        }
        for (; in_ != end_ && *in_ != ',' && *in_ != '*'; ++in_)
            Append(*in_);
    }

    // At a "*": the character it escapes, or the "*" itself when it begins no escape.
    void CopyEscape() {
        const char decoded = in_ + 1 != end_ ? Unescaped(in_[1]) : '\0';
        Append(decoded != '\0' ? decoded : '*');
        in_ += decoded != '\0' ? 2 : 1;
    }

    void Append(char ch) {
        Reserve(1);
        buffer_[length_++] = ch;
    }
    void Reserve(size_t more) {
        if (length_ + more > buffer_.size())
            buffer_.resize(std::max(buffer_.size() * 2, length_ + more));
    }

    const char* in_;
    const char* const end_;
    std::string buffer_ = std::string(64, '\0'); // the element being read, reused for each
    size_t length_ = 0;
};

} // namespace

// A list of scalars, the common case, holds no parenthesis between its own: then every comma ends
// an element and one pass can both split and unescape, each name written once into a buffer that
// is reused and then copied into a string of its final size. The count of commas gives the number
// of elements beforehand, so that the strings are placed once. A list with nested parentheses, or
// a badly formatted one, takes the general reader and its errors.
std::vector<std::string> UnescapedListFromText(std::string_view text) {
    const size_t firstOpen = text.find('(');
    const size_t lastClose = text.rfind(')');
    if (firstOpen != std::string_view::npos && lastClose != std::string_view::npos &&
        firstOpen < lastClose) {
        const std::string_view body = text.substr(firstOpen + 1, lastClose - firstOpen - 1);
        if (const std::optional<size_t> commas = ByteSearch::CountUnlessAny<',', '(', ')'>(body))
            return FlatListReader(body).Read(*commas);
    }
    const ElementArray elements = ListFromText(text, 1);
    std::vector<std::string> result;
    result.reserve(static_cast<size_t>(elements.Count()));
    for (std::string_view element : elements)
        result.push_back(UnescapeText(element));
    return result;
}

} // namespace bw::Serialize
