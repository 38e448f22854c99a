#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program's texts in Qt's strings and back, losing nothing. The program's texts are UTF-8,
// except that a path on Linux may hold bytes that are not (a folder named in a legacy encoding):
// such a byte becomes the lone surrogate U+DC00 plus the byte, which no valid text holds, and
// comes back as the same byte. QString::fromStdString would turn it into U+FFFD for good.
namespace bw::QtText {

QString FromBytes(std::string_view text);
std::string ToBytes(const QString& text);

} // namespace bw::QtText
