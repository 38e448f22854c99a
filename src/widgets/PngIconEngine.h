#pragma once

#include <QIconEngine>
#include <QImage>
#include <QMap>
#include <QString>

namespace bw {

// An icon drawn from PNGs of one drawing rendered at several pixel sizes (":/icons/png/<key>-
// <size>.png"), for a Qt without Qt Svg. It draws what the SVG icon draws: the drawing scaled into
// the size asked for, keeping its proportions, taken from the PNG rendered at exactly that size
// when there is one and otherwise scaled smoothly from the nearest larger one; and the style's
// generated look in every mode but the normal one.
class PngIconEngine : public QIconEngine {
public:
    // The files by their width; there must be at least one.
    explicit PngIconEngine(QString key, QMap<int, QString> files);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    bool isNull() override;

    // The PNGs of a key in the program's icon set, by width; empty when there are none.
    static QMap<int, QString> Files(const QString& key);

private:
    QImage Drawn(const QSize& size) const;

    QString key_;
    QMap<int, QString> files_;
};

} // namespace bw
