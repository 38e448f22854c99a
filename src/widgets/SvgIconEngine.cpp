#include "widgets/SvgIconEngine.h"

#include "widgets/IconDrawing.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace bw {

QIconEngine* DrawnIconEngine(const QString& key) {
    QString path = QStringLiteral(":/icons/%1.svg").arg(key);
    if (!QFile::exists(path))
        return nullptr;
    return new SvgIconEngine(std::move(path));
}

SvgIconEngine::SvgIconEngine(QString fileName) : fileName_(std::move(fileName)) {}

QSvgRenderer& SvgIconEngine::Renderer() {
    if (!renderer_)
        renderer_ = std::make_shared<QSvgRenderer>(fileName_);
    return *renderer_;
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    QSize pixmapSize = rect.size();
    if (painter->device())
        pixmapSize *= painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(pixmapSize, mode, state));
}

QSize SvgIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QPixmap drawn = pixmap(size, mode, state);
    return drawn.isNull() ? QSize() : drawn.size();
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // The file has one drawing for both states.
    Q_UNUSED(state);
    const QString key = QStringLiteral("bw_svgicon_%1_%2x%3_%4")
                            .arg(fileName_)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(int(mode));
    QPixmap drawn;
    if (QPixmapCache::find(key, &drawn))
        return drawn;

    QSvgRenderer& renderer = Renderer();
    if (!renderer.isValid())
        return {};
    QSize drawnSize = renderer.defaultSize();
    if (!drawnSize.isNull())
        drawnSize.scale(size, Qt::KeepAspectRatio);
    if (drawnSize.isEmpty())
        return {};

    QImage image(drawnSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(0x00000000);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
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

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(*this);
}

bool SvgIconEngine::isNull() {
    return false;
}

} // namespace bw
