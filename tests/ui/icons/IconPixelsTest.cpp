// The program's icons draw the pixels of Qt's own SVG icons made from the same files. A build
// without Qt Svg draws PNGs rendered at build time: at every size and scale, the PNG rendered at
// exactly the drawn size, as Qt's own icon of that one PNG draws it.
#include "widgets/EditorIcons.h"

#include <QPainter>
#include <QTest>

namespace bw::test {

// What Qt's own icons draw for a key at a place of `pixels` device pixels.
static QIcon Reference(const QString& key, const QSize& pixels) {
#ifdef BWSHOW_ICON_PNGS
    // The drawings are square: the one rendered at the place's smaller side.
    const int side = qMin(pixels.width(), pixels.height());
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/png/%1-%2.png").arg(key).arg(side), QSize(side, side));
    return icon;
#else
    Q_UNUSED(pixels);
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(key));
#endif
}

// The icon painted into a place of the given size on a screen of the given scale.
static QImage Painted(const QIcon& icon, const QSize& size, qreal ratio, QIcon::Mode mode) {
    QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(QPoint(0, 0), size), Qt::AlignCenter, mode);
    return canvas;
}

class IconPixelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void SameAsQtSvgIcons_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("size");
        const QStringList keys = EditorIcons::Keys() << QStringLiteral("BWShow");
        // The toolbar's, the list buttons' and the window icon's sizes, and a place wider than
        // tall, where the drawing keeps its proportions.
        for (const QSize size :
             {QSize(20, 20), QSize(32, 32), QSize(16, 16), QSize(128, 128), QSize(40, 22)})
            for (const QString& key : keys)
                QTest::addRow("%s %dx%d", qPrintable(key), size.width(), size.height())
                    << key << size;
    }

    void SameAsQtSvgIcons() {
        QFETCH(QString, key);
        QFETCH(QSize, size);
        const QIcon made = EditorIcons::Icon(key);
        QIcon ours = made;
        ours.detach(); // a copy, drawn by an engine of its own
        const QIcon qts = Reference(key, size);
        QVERIFY(!qts.isNull() && !ours.isNull());
        for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (QIcon::State state : {QIcon::Off, QIcon::On}) {
                const QImage expected = qts.pixmap(size, 1.0, mode, state).toImage();
                QVERIFY(!expected.isNull());
                QCOMPARE(ours.pixmap(size, 1.0, mode, state).toImage(), expected);
                QCOMPARE(ours.actualSize(size, mode, state), qts.actualSize(size, mode, state));
            }
            for (qreal ratio : {1.0, 2.0, 1.5}) {
                const QSize pixels = (QSizeF(size) * ratio).toSize();
                QCOMPARE(Painted(ours, size, ratio, mode),
                         Painted(Reference(key, pixels), size, ratio, mode));
            }
        }
    }
};

} // namespace bw::test

QTEST_MAIN(bw::test::IconPixelsTest)
#include "IconPixelsTest.moc"
