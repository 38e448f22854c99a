#include "widgets/PngIconEngine.h"

#include "widgets/IconDrawing.h"

#include <QDir>
#include <QImage>

#include <iterator>

namespace bw {

QIconEngine* DrawnIconEngine(const QString& key) {
    QMap<int, QString> files = PngIconEngine::Files(key);
    if (files.isEmpty())
        return nullptr;
    return new PngIconEngine(key, std::move(files));
}

QMap<int, QString> PngIconEngine::Files(const QString& key) {
    const QDir folder(QStringLiteral(":/icons/png"));
    const QString prefix = key + QLatin1Char('-');
    QMap<int, QString> files;
    for (const QString& name : folder.entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
        bool ok = false;
        const int width = name.mid(prefix.size(), name.size() - prefix.size() - 4).toInt(&ok);
        if (ok && width > 0)
            files.insert(width, folder.filePath(name));
    }
    return files;
}

PngIconEngine::PngIconEngine(QString key, QMap<int, QString> files)
    : CachedIconEngine(QStringLiteral("png_") + key), files_(std::move(files)) {}

// The drawing at the size that fits `size`: the largest rendering gives the proportions.
QImage PngIconEngine::Drawn(const QSize& size) {
    const QImage largest(files_.last());
    if (largest.isNull())
        return {};
    QSize drawnSize = largest.size();
    drawnSize.scale(size, Qt::KeepAspectRatio);
    if (drawnSize.isEmpty())
        return {};
    auto source = files_.lowerBound(drawnSize.width());
    if (source == files_.end())
        source = std::prev(source);
    QImage image(source.value());
    if (image.size() != drawnSize)
        image = image.scaled(drawnSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QIconEngine* PngIconEngine::clone() const {
    return new PngIconEngine(*this);
}

} // namespace bw
