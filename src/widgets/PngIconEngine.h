#pragma once

#include "widgets/CachedIconEngine.h"

#include <QImage>
#include <QMap>
#include <QString>

namespace bw {

// An icon drawn from PNGs of one drawing rendered at several pixel sizes (":/icons/png/<key>-
// <size>.png"), for a Qt without Qt Svg. It draws what the SVG icon draws: the drawing scaled into
// the size asked for, keeping its proportions, taken from the PNG rendered at exactly that size
// when there is one and otherwise scaled smoothly from the nearest larger one; and the style's
// generated look in every mode but the normal one.
class PngIconEngine : public CachedIconEngine {
public:
    // The files by their width; there must be at least one.
    explicit PngIconEngine(QString key, QMap<int, QString> files);

    QIconEngine* clone() const override;

    // The PNGs of a key in the program's icon set, by width; empty when there are none.
    static QMap<int, QString> Files(const QString& key);

protected:
    QImage Drawn(const QSize& size) override;

private:
    QMap<int, QString> files_;
};

} // namespace bw
