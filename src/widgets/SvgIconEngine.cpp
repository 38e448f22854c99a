#include "widgets/SvgIconEngine.h"

#include "widgets/IconDrawing.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace bw {

QIconEngine* DrawnIconEngine(const QString& key) {
    QString path = QStringLiteral(":/icons/%1.svg").arg(key);
    if (!QFile::exists(path))
        return nullptr;
    return new SvgIconEngine(std::move(path));
}

SvgIconEngine::SvgIconEngine(QString fileName)
    : CachedIconEngine(QStringLiteral("svg_") + fileName), fileName_(std::move(fileName)) {}

QSvgRenderer& SvgIconEngine::Renderer() {
    if (!renderer_)
        renderer_ = std::make_shared<QSvgRenderer>(fileName_);
    return *renderer_;
}

QImage SvgIconEngine::Drawn(const QSize& size) {
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
    return image;
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(*this);
}

} // namespace bw
