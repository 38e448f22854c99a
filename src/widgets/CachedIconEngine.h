#pragma once

#include <QIconEngine>
#include <QImage>
#include <QString>

namespace bw {

// What the program's icons share however they are drawn: one drawing for both states, drawn at
// the device's pixel size, kept in Qt's pixmap cache, and the style's generated look in every mode
// but the normal one. A subclass only draws the image for a size.
class CachedIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;

protected:
    // `cacheName` tells this icon's pixmaps apart from every other icon's in the cache.
    explicit CachedIconEngine(QString cacheName);

    // The drawing scaled into `size`, keeping its proportions; null when there is none.
    virtual QImage Drawn(const QSize& size) = 0;

private:
    QString cacheName_;
};

} // namespace bw
