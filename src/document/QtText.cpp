#include "document/QtText.h"

#include "environment/Utf8Text.h"

namespace bw::QtText {

QString FromBytes(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<char32_t> code = Utf8Text::Next(text, pos);
        if (!code) {
            result += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(text[pos])));
            ++pos;
        } else if (*code >= 0x10000) {
            result += QChar(QChar::highSurrogate(*code));
            result += QChar(QChar::lowSurrogate(*code));
        } else {
            result += QChar(static_cast<char16_t>(*code));
        }
    }
    return result;
}

std::string ToBytes(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            Utf8Text::Append(result, QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
            ++i;
        } else if (unit >= 0xDC80 && unit <= 0xDCFF) {
            result += static_cast<char>(unit - 0xDC00);
        } else if (QChar::isSurrogate(unit)) {
            Utf8Text::Append(result, 0xFFFD); // a lone surrogate that stands for no byte
        } else {
            Utf8Text::Append(result, unit);
        }
    }
    return result;
}

} // namespace bw::QtText
