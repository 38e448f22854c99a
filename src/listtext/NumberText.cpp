#include "listtext/Error.h"
#include "listtext/PlainInt.h"
#include "listtext/Serialize.h"

#include <algorithm>
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

// A number text that NumberPrefixLength accepted, taken apart exactly: its significant digits
// (no leading zeros) and the place of the decimal point among them, so that the value is
// 0.<digits> times ten to the power of `point`. Exponents beyond any 32-bit result saturate.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

DecimalNumber Decompose(std::string_view number) {
    constexpr long long ExponentLimit = 1'000'000'000'000LL;
    DecimalNumber decimal;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        decimal.negative = number.front() == '-';
        number.remove_prefix(1);
    }
    const size_t e = number.find_first_of("eEdD");
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (char ch : digits)
            exponent = std::min(exponent * 10 + (ch - '0'), ExponentLimit);
        if (negative)
            exponent = -exponent;
        number = number.substr(0, e);
    }
    const size_t point = std::min(number.find('.'), number.size());
    long long integerDigits = static_cast<long long>(point);
    decimal.digits.reserve(number.size());
    for (char ch : number) {
        if (ch == '.')
            continue;
        if (ch == '0' && decimal.digits.empty()) {
            --integerDigits; // a leading zero moves the point one place to the left
            continue;
        }
        decimal.digits += ch;
    }
    decimal.point = integerDigits + exponent;
    return decimal;
}

// How the part of a number after its decimal point compares with one half.
enum class Fraction { Zero, BelowHalf, Half, AboveHalf };

struct SplitNumber {
    std::int64_t whole = 0; // the magnitude's integer part, when it has at most ten digits
    bool tooLarge = false;  // more than ten digits before the point: beyond any 32-bit value
    Fraction fraction = Fraction::Zero;
};

SplitNumber Split(const DecimalNumber& decimal) {
    SplitNumber split;
    if (decimal.digits.empty())
        return split;
    if (decimal.point > 10) {
        split.tooLarge = true;
        return split;
    }
    std::string_view rest = decimal.digits;
    if (decimal.point > 0) {
        const auto wholeDigits = static_cast<size_t>(decimal.point);
        for (size_t i = 0; i < wholeDigits; ++i)
            split.whole = split.whole * 10 + (i < rest.size() ? rest[i] - '0' : 0);
        rest.remove_prefix(std::min(wholeDigits, rest.size()));
    }
    const bool restIsZero = rest.find_first_not_of('0') == std::string_view::npos;
    if (restIsZero)
        split.fraction = Fraction::Zero;
    else if (decimal.point < 0 || rest.front() < '5')
        split.fraction = Fraction::BelowHalf; // 0.0x... or 0.[0-4]x...
    else if (rest.front() > '5' || rest.find_first_not_of('0', 1) != std::string_view::npos)
        split.fraction = Fraction::AboveHalf;
    else
        split.fraction = Fraction::Half;
    return split;
}

int ToInt32(bool negative, std::int64_t magnitude) {
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        RaiseOverflow();
    return static_cast<int>(value);
}

// The value rounded to the nearest integer, halves to the even neighbour.
int RoundedToEven(std::string_view number) {
    const DecimalNumber decimal = Decompose(number);
    const SplitNumber split = Split(decimal);
    if (split.tooLarge)
        RaiseOverflow();
    const bool up = split.fraction == Fraction::AboveHalf ||
                    (split.fraction == Fraction::Half && split.whole % 2 == 1);
    return ToInt32(decimal.negative, split.whole + (up ? 1 : 0));
}

// The value rounded down, towards minus infinity.
int RoundedDown(std::string_view number) {
    const DecimalNumber decimal = Decompose(number);
    const SplitNumber split = Split(decimal);
    if (split.tooLarge)
        RaiseOverflow();
    const bool away = decimal.negative && split.fraction != Fraction::Zero;
    return ToInt32(decimal.negative, split.whole + (away ? 1 : 0));
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
    return RoundedToEven(std::string_view(compact).substr(0, length));
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
    // Signs, fractions and exponents are read digit by digit, exactly, however many digits there
    // are. Numbers hold no escapes; only a text with "*" needs unescaping first.
    const std::string unescaped =
        escaped.find('*') == std::string_view::npos ? std::string() : UnescapeText(escaped);
    std::string_view number = unescaped.empty() ? escaped : std::string_view(unescaped);
    while (!number.empty() && IsBlank(number.front()))
        number.remove_prefix(1);
    while (!number.empty() && IsBlank(number.back()))
        number.remove_suffix(1);
    if (number.empty() || NumberPrefixLength(number, false) != number.size())
        RaiseTypeMismatch();
    return RoundedDown(number);
}

} // namespace Serialize

} // namespace bw
