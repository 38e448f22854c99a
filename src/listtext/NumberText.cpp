#include "listtext/Error.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace bw {

namespace {

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// Length of the longest prefix of `text` that is a decimal number: an optional sign, digits with
// an optional fraction (at least one digit in all) and an optional exponent. 0 when there is none.
size_t NumberPrefixLength(std::string_view text, bool allowD) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() &&
        (text[i] == 'e' || text[i] == 'E' || (allowD && (text[i] == 'd' || text[i] == 'D')))) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t exponentDigits = 0;
        while (j < text.size() && IsDigit(text[j]))
            ++j, ++exponentDigits;
        if (exponentDigits > 0)
            i = j;
    }
    return i;
}

// The decimal place of the first significant digit of an unsigned number text that
// NumberPrefixLength accepted, counting the exponent: 2 for "123" and "1.5e2", -3 for "0.001",
// 0 for zero. Tells a number too large for a double from one too small, however many digits
// either has; exponents beyond any double saturate.
long long DecimalPlace(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (char ch : digits)
            exponent = std::min(exponent * 10 + (ch - '0'), 1'000'000'000'000LL);
        if (negative)
            exponent = -exponent;
        number = number.substr(0, e);
    }
    const size_t point = std::min(number.find('.'), number.size());
    const size_t first = number.find_first_not_of("0.");
    if (first == std::string_view::npos)
        return 0;
    const long long place = first < point ? static_cast<long long>(point - first) - 1
                                          : -static_cast<long long>(first - point);
    return place + exponent;
}

// Converts a text that NumberPrefixLength accepted as a whole; from_chars is independent of the
// locale, which a desktop program cannot rely on for strtod.
double ToDouble(std::string number) {
    bool negative = false;
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
        negative = number[0] == '-';
        number.erase(0, 1);
    }
    for (char& ch : number)
        if (ch == 'd' || ch == 'D')
            ch = 'e';
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large gives overflow below; too small is as good as zero.
        value = DecimalPlace(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != number.data() + number.size()) {
        RaiseTypeMismatch();
    }
    return negative ? -value : value;
}

int ToInt32(double value) {
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max()))
        RaiseOverflow();
    return static_cast<int>(value);
}

} // namespace

std::string PlainIntToText(int value) {
    return std::to_string(value);
}

int PlainIntFromText(std::string_view text) {
    std::string compact;
    compact.reserve(std::min<size_t>(text.size(), 64));
    for (char ch : text)
        if (!IsBlank(ch))
            compact += ch;
    const size_t length = NumberPrefixLength(compact, true);
    if (length == 0)
        return 0;
    compact.resize(length);
    // nearbyint rounds in the default mode, to nearest with halves to the even neighbour.
    return ToInt32(std::nearbyint(ToDouble(std::move(compact))));
}

namespace Serialize {

std::string IntToText(int value) {
    std::string text = std::to_string(value);
    if (value >= 0)
        text.insert(text.begin(), ' ');
    return text;
}

namespace {

// The numbers a show holds: blanks, an optional minus and up to nine digits, read without a search
// through the text for each of its characters; anything else takes the general path.
std::optional<int> ShortIntFromText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    const size_t firstDigit = i;
    int value = 0;
    for (; i < text.size() && IsDigit(text[i]) && i - firstDigit < 9; ++i)
        value = value * 10 + (text[i] - '0');
    if (i == firstDigit)
        return std::nullopt;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

int IntFromText(std::string_view escaped) {
    if (const std::optional<int> value = ShortIntFromText(escaped))
        return *value;
    // Signs, fractions and exponents go through a double. Numbers hold no escapes; only a text
    // with "*" needs unescaping first.
    const std::string unescaped =
        escaped.find('*') == std::string_view::npos ? std::string() : UnescapeText(escaped);
    std::string_view number = unescaped.empty() ? escaped : std::string_view(unescaped);
    while (!number.empty() && IsBlank(number.front()))
        number.remove_prefix(1);
    while (!number.empty() && IsBlank(number.back()))
        number.remove_suffix(1);
    if (number.empty() || NumberPrefixLength(number, false) != number.size())
        RaiseTypeMismatch();
    return ToInt32(std::floor(ToDouble(std::string(number))));
}

} // namespace Serialize

} // namespace bw
