#include "widgets/EntryDrag.h"

#include <QApplication>
#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace bw::EntryDrag {

QString Format() {
    return QStringLiteral("application/x-bwshow-list-entry");
}

QMimeData* Data(const void* owner, int row) {
    auto* data = new QMimeData;
    const QString entry = QStringLiteral("%1:%2:%3")
                              .arg(QApplication::applicationPid())
                              .arg(reinterpret_cast<quintptr>(owner))
                              .arg(row);
    data->setData(Format(), entry.toLatin1());
    return data;
}

int DraggedRow(const QMimeData& data, const void* owner, int count) {
    if (!data.hasFormat(Format()))
        return -1;
    const QStringList parts = QString::fromLatin1(data.data(Format())).split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0].toLongLong() != QApplication::applicationPid() ||
        parts[1].toULongLong() != reinterpret_cast<quintptr>(owner))
        return -1;
    bool ok = false;
    const int row = parts[2].toInt(&ok);
    return ok && row >= 0 && row < count ? row : -1;
}

QStringList DroppedFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            files << QDir::toNativeSeparators(url.toLocalFile());
    return files;
}

} // namespace bw::EntryDrag
