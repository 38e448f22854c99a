#include "widgets/PngIconEngine.h"

#include "widgets/IconDrawing.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

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
    : key_(std::move(key)), files_(std::move(files)) {}

void PngIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    QSize pixmapSize = rect.size();
    if (painter->device())
        pixmapSize *= painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(pixmapSize, mode, state));
}

QSize PngIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QPixmap drawn = pixmap(size, mode, state);
    return drawn.isNull() ? QSize() : drawn.size();
}

// The drawing at the size that fits `size`: the largest rendering gives the proportions.
QImage PngIconEngine::Drawn(const QSize& size) const {
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

QPixmap PngIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // The set has one drawing for both states.
    Q_UNUSED(state);
    const QString cacheKey = QStringLiteral("bw_pngicon_%1_%2x%3_%4")
                                 .arg(key_)
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(mode));
    QPixmap drawn;
    if (QPixmapCache::find(cacheKey, &drawn))
        return drawn;

    const QImage image = Drawn(size);
    if (image.isNull())
        return {};
    drawn = QPixmap::fromImage(image);

    // The other modes are the style's variations of the normal drawing.
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QStyleOption option(0);
        option.palette = QGuiApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        if (!generated.isNull())
            drawn = generated;
    }
    QPixmapCache::insert(cacheKey, drawn);
    return drawn;
}

QIconEngine* PngIconEngine::clone() const {
    return new PngIconEngine(*this);
}

bool PngIconEngine::isNull() {
    return false;
}

} // namespace bw
