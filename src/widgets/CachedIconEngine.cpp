#include "widgets/CachedIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

namespace bw {

CachedIconEngine::CachedIconEngine(QString cacheName) : cacheName_(std::move(cacheName)) {}

void CachedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                             QIcon::State state) {
    QSize pixmapSize = rect.size();
    if (painter->device())
        pixmapSize *= painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(pixmapSize, mode, state));
}

QSize CachedIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QPixmap drawn = pixmap(size, mode, state);
    return drawn.isNull() ? QSize() : drawn.size();
}

QPixmap CachedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // The icons have one drawing for both states.
    Q_UNUSED(state);
    const QString key = QStringLiteral("bw_icon_%1_%2x%3_%4")
                            .arg(cacheName_)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(int(mode));
    QPixmap drawn;
    if (QPixmapCache::find(key, &drawn))
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
    QPixmapCache::insert(key, drawn);
    return drawn;
}

bool CachedIconEngine::isNull() {
    return false;
}

} // namespace bw
