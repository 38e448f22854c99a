#pragma once

#include <QIcon>
#include <QString>

#include <string>

class QAbstractItemView;

// How every list and box that shows a sequence file marks one whose file is missing: a warning
// icon beside the name, and the full path as tooltip with "File not found: " in front.
namespace bw::MissingFileMark {

// Whether the file at the full path `path` is missing; false for an empty path.
bool IsMissing(const std::string& path);
QIcon Icon();
// The tooltip of a sequence at the full path `path`, shown as plain text whatever the name.
QString ToolTip(const QString& path, bool missing);

// Gives `list` marks as tall as its line of text and entries one line high, marked or not: a list
// whose entries are all one size measures its first, and a mark would otherwise make that one
// taller than the rest.
void FitToLines(QAbstractItemView& list);

} // namespace bw::MissingFileMark
