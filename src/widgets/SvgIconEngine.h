#pragma once

#include "widgets/CachedIconEngine.h"

#include <QString>

#include <memory>

class QSvgRenderer;

namespace bw {

// An icon drawn from one SVG file, with the pixels of Qt's own scalable icons: the drawing
// scaled into the size asked for, keeping its proportions, and the style's generated look in
// every mode but the normal one. The file is read when the icon is first drawn rather than when
// it is made, and read once for all sizes, so that a window full of icons opens without reading
// each file before it can be shown and again for every size it is drawn at.
class SvgIconEngine : public CachedIconEngine {
public:
    // The file must exist; an icon is never null.
    explicit SvgIconEngine(QString fileName);

    QIconEngine* clone() const override;

protected:
    QImage Drawn(const QSize& size) override;

private:
    QSvgRenderer& Renderer();

    QString fileName_;
    // Shared by the copies of an icon, which draw the same file.
    std::shared_ptr<QSvgRenderer> renderer_;
};

} // namespace bw
