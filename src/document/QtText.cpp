#include "document/QtText.h"

#include "environment/Utf8Text.h"

namespace bw::QtText {

QString FromBytes(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    Utf8Text::ToUtf16(text, [&](char16_t unit) { result += QChar(unit); });
    return result;
}

std::string ToBytes(const QString& text) {
    return Utf8Text::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                   static_cast<std::size_t>(text.size())));
}

} // namespace bw::QtText
