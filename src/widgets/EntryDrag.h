#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

namespace bw::EntryDrag {

// What a drag of a list entry carries. The entry is named by its list (`owner`) as well as its
// row, so that a drag from another list, or from another copy of the program, is never taken for
// a move.
QString Format();
QMimeData* Data(const void* owner, int row);
// The row that a drag of an entry of `owner`, which has `count` entries now, carries; -1 for
// anything else.
int DraggedRow(const QMimeData& data, const void* owner, int count);
// The local files that a drag carries, as full native paths.
QStringList DroppedFiles(const QMimeData& data);

} // namespace bw::EntryDrag
